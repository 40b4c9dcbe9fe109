// The message box's cost on long texts: pasting many lines, putting them, and one keystroke, each
// against a plain QPlainTextEdit doing the same.
#pragma once

namespace bench {

// Prints one line per figure.
void PasteFigures();

} // namespace bench
