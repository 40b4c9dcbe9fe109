// Floating-point exception flags turned into run-time errors.
#include "floatingpoint.h"

#include "runtimeerror.h"

#include <cfenv>

namespace rt {

namespace {

// Inexact and underflow are part of ordinary arithmetic and raise nothing.
constexpr int CheckedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

} // namespace

void ClearFloatingPointFlags()
{
    std::feclearexcept(CheckedFlags);
}

void RaiseOnFloatingPointFlags()
{
    const int raised = std::fetestexcept(CheckedFlags);
    if (raised & FE_DIVBYZERO)
        Raise(err::DivisionByZero);
    if (raised & (FE_INVALID | FE_OVERFLOW))
        Raise(err::Overflow);
}

} // namespace rt
