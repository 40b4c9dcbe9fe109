// The desktop shell: one call that opens a document or web address on behalf of a window. The
// opener is looked up at the first call; tests put a recorder in its place.
#pragma once

#include <QtGlobal>

#include <functional>

namespace rt {

// Show command for a normal window.
inline constexpr int ShowNormal = 1;

// window, verb, file, parameters, directory, show command; the result is the opener's own.
using ShellOpener = std::function<qintptr(quint32, const char *, const char *, const char *, const char *, int)>;

// Opens through the desktop shell. Raises a run-time error when no opener can be found.
qintptr ShellExecute(quint32 window, const char *verb, const char *file, const char *parameters,
                     const char *directory, int showCommand);

// How the opener is found at the first call: returns an empty opener when there is none. An empty
// resolver restores the real one, which hands the address to the desktop (xdg-open).
using ShellResolver = std::function<ShellOpener()>;
void SetShellResolver(ShellResolver resolver);

} // namespace rt
