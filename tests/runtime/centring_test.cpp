// Centring with the window manager's frame, on unscaled and scaled desktops.
#include "runtime/centring.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Desktop
{
    qreal ratio;
    QRect area; // logical, as the toolkit gives the screen's available area
};

struct Frame
{
    const char *what;
    QMargins margins; // device pixels
};

// The frame lies in the middle of the area, measured in device pixels as the user sees it, to
// half a logical pixel: the finest a window can be placed.
TEST(CentringTest, WholeFrameCentredInDevicePixelsAtEveryScale)
{
    const Desktop desktops[] = {
        {1.0, {0, 0, 1280, 1024}},
        {1.5, {0, 0, 853, 683}},
        {2.0, {0, 0, 1280, 800}},
        {2.0, {0, 24, 1280, 776}}, // below a panel
    };
    const Frame frames[] = {
        {"openbox at 96 dpi", {1, 20, 1, 1}},
        {"openbox at 192 dpi", {1, 32, 1, 1}},
        {"uneven", {5, 27, 3, 9}},
        {"none", {}},
    };
    const QSize clients[] = {{620, 496}, {347, 215}};
    for (const Desktop &desktop : desktops) {
        for (const Frame &frame : frames) {
            for (const QSize client : clients) {
                SCOPED_TRACE(testing::Message() << desktop.ratio << "x, area top " << desktop.area.y() << ", frame "
                                                << frame.what << ", client " << client.width() << "x" << client.height());
                const QPoint topLeft = rt::CentredClientTopLeft(desktop.area, client, frame.margins, desktop.ratio);
                const QMargins &m = frame.margins;
                const qreal r = desktop.ratio;
                const qreal frameLeft = topLeft.x() * r - m.left();
                const qreal frameRight = (topLeft.x() + client.width()) * r + m.right();
                const qreal frameTop = topLeft.y() * r - m.top();
                const qreal frameBottom = (topLeft.y() + client.height()) * r + m.bottom();
                const QPointF areaCentre = QRectF(desktop.area).center() * r;
                EXPECT_LE(std::abs((frameLeft + frameRight) / 2 - areaCentre.x()), r / 2);
                EXPECT_LE(std::abs((frameTop + frameBottom) / 2 - areaCentre.y()), r / 2);
            }
        }
    }
}

} // namespace
