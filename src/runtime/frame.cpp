#include "frame.h"

#include <QGroupBox>
#include <QPainter>

namespace rt {

namespace {

// The caption sits on the top edge of the border, so controls placed a few pixels below the
// frame's top lie inside it, as the layout was drawn.
class FrameBox : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int line = metrics.height() / 2;
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(0, line, width() - 1, height() - 1 - line);
        const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, palette().window());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
};

} // namespace

Frame::Frame(QWidget *container, const FrameDesign &design)
    : m_widget(new FrameBox(design.caption, container))
{
    Place(m_widget, design.rect);
    m_widget->setFocusPolicy(Qt::NoFocus);
}

QWidget *Frame::container() const
{
    return m_widget;
}

} // namespace rt
