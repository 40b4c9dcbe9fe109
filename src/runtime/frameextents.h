// Frame extents: how much the window manager's frame adds around a top-level window, learned
// before the window is first shown, so that the whole frame can be centred without a jump.
#pragma once

#include <QMargins>

#include <chrono>
#include <optional>

class QWidget;

namespace rt {

// On X11, asks the window manager for the frame it will put around `window` before the window
// is mapped (it creates the native window). Gives zero margins on an X server where no manager
// answers such a request, the manager's answer where it comes within `wait` (else its last
// answer for another window), and nothing where the frame cannot be learned beforehand.
// The margins are the manager's, in device pixels.
std::optional<QMargins> RequestFrameExtents(QWidget *window, std::chrono::milliseconds wait);

} // namespace rt
