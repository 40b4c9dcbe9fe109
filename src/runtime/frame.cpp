#include "frame.h"

#include <QGroupBox>

namespace rt {

Frame::Frame(QWidget *container, const FrameDesign &design)
    : m_widget(new QGroupBox(design.caption, container))
{
    Place(m_widget, design.rect);
    m_widget->setFocusPolicy(Qt::NoFocus);
}

QWidget *Frame::container() const
{
    return m_widget;
}

} // namespace rt
