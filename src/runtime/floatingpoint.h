// The floating-point exception flags as run-time errors: clear them, do the arithmetic, then raise.
#pragma once

namespace rt {

void ClearFloatingPointFlags();

// Invalid operation or overflow since the last clear raises error 6 "Overflow", division by zero
// error 11 "Division by zero". The compiler does not see the flags: keep the checked arithmetic
// between the two calls with volatile operands, or it may be folded or moved past them.
void RaiseOnFloatingPointFlags();

} // namespace rt
