#include "shape.h"

#include <QPainter>
#include <QWidget>

namespace rt {

namespace {

class OutlineWidget : public QWidget
{
public:
    OutlineWidget(QWidget *parent, QColor color)
        : QWidget(parent)
        , m_color(color)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(m_color, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QColor m_color;
};

} // namespace

Shape::Shape(QWidget *container, const ShapeDesign &design)
    : m_widget(new OutlineWidget(container, ColorFromBgr(design.borderColor)))
{
    Place(m_widget, design.rect);
}

} // namespace rt
