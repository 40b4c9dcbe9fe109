#include "centring.h"

#include <cmath>

namespace rt {

QPoint CentredClientTopLeft(const QRect &area, QSize client, const QMargins &frame, qreal ratio)
{
    // On a scaled desktop the frame is a fraction of a logical pixel wide: rounded first, its
    // error would add up on both sides.
    const QMarginsF logicalFrame = frame.toMarginsF() / ratio;
    const QSizeF outer = QSizeF(client).grownBy(logicalFrame);
    const QPointF clientTopLeft(area.x() + (area.width() - outer.width()) / 2 + logicalFrame.left(),
                                area.y() + (area.height() - outer.height()) / 2 + logicalFrame.top());
    // The nearest pixel, a tie going up and left: on an unscaled desktop an odd spare pixel then
    // goes to the right and bottom, as halving whole pixels puts it.
    auto nearest = [](qreal v) { return static_cast<int>(std::ceil(v - 0.5)); };
    return {nearest(clientTopLeft.x()), nearest(clientTopLeft.y())};
}

} // namespace rt
