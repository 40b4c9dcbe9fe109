// What every control kind shares: its place in twips and its font.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace rt {

// Left, top, width and height in twips from the container's top-left corner.
struct TwipsRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect pixels() const;
};

// A face and a size in points. Set by pixel size (4/3 pixel a point) so the layout does not move
// with the display's dots per inch.
struct FontSpec
{
    QString face;
    double points = 0;
    bool bold = false;

    QFont font() const;
};

// Places a control's widget and gives it its font, if it sets one.
void Place(QWidget *widget, const TwipsRect &rect);
void ApplyFont(QWidget *widget, const FontSpec *font);

// A colour as the layout gives it: 0x00BBGGRR, red in the low byte.
QColor ColorFromBgr(unsigned bgr);

} // namespace rt
