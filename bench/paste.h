// The message box's cost on long texts: pasting many lines, putting them, and one keystroke, each
// against a plain QPlainTextEdit doing the same.
#pragma once

#include <QString>

#include <functional>

namespace bench {

// Prints one line per figure through `figure` (name, value, detail, target met).
using FigurePrinter = std::function<void(const char *, const QString &, const QString &, bool)>;

void PasteFigures(const FigurePrinter &figure);

} // namespace bench
