#include "clicklabel.h"

#include <QMouseEvent>

namespace rt {

ClickLabel::ClickLabel(QWidget *parent)
    : QLabel(parent)
{
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // QWidget's default treats the second press of a double-click as another press.
    event->accept();
}

} // namespace rt
