#include "control.h"

#include "form.h"

#include <QColor>
#include <QWidget>

#include <cmath>

namespace rt {

QRect TwipsRect::pixels() const
{
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

QFont FontSpec::font() const
{
    QFont result(face);
    result.setPixelSize(static_cast<int>(std::lround(points * 4.0 / 3.0)));
    result.setBold(bold);
    return result;
}

void Place(QWidget *widget, const TwipsRect &rect)
{
    widget->setGeometry(rect.pixels());
}

void ApplyFont(QWidget *widget, const FontSpec *font)
{
    if (font)
        widget->setFont(font->font());
}

QColor ColorFromBgr(unsigned bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace rt
