// Centring: where a top-level window goes so that the frame the window manager puts around it,
// not just its client area, lies in the middle of the screen.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace rt {

// The client area's top-left, in logical pixels, that leaves the whole frame centred on `area`.
// The area and the client size are logical, as the toolkit gives them; the frame is in device
// pixels, as the window manager tells it, `ratio` of them to the logical pixel.
QPoint CentredClientTopLeft(const QRect &area, QSize client, const QMargins &frame, qreal ratio);

} // namespace rt
