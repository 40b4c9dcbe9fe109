// Shape: a rectangle outline, one pixel wide, not filled; clicks pass through it.
#pragma once

#include "control.h"

namespace rt {

struct ShapeDesign
{
    TwipsRect rect;
    unsigned borderColor = 0;  // 0x00BBGGRR
};

class Shape
{
public:
    Shape(QWidget *container, const ShapeDesign &design);

    QWidget *widget() const { return m_widget; }

private:
    QWidget *m_widget;
};

} // namespace rt
