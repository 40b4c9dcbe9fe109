#include "image.h"

#include "clicklabel.h"

#include <QPixmap>

namespace rt {

Image::Image(QWidget *container, int left, int top, const QImage &picture)
    : m_widget(new ClickLabel(container))
{
    m_widget->setPixmap(QPixmap::fromImage(picture));
    m_widget->setGeometry(Pixels(left), Pixels(top), picture.width(), picture.height());
    m_widget->setFocusPolicy(Qt::NoFocus);
    // Not marked opaque: opaque pictures above the background would cut its paint region into
    // pieces, which Qt blends through a thread pool it must first start; the whole rectangle is one
    // plain copy.
}

bool Image::Visible() const
{
    return !m_widget->isHidden();
}

void Image::setVisible(bool visible)
{
    // Hiding keeps the widget's place among its siblings, so the stacking order stays.
    m_widget->setVisible(visible);
}

QLabel *Image::widget() const
{
    return m_widget;
}

void Image::connectClick(std::function<void()> run)
{
    QObject::connect(m_widget, &ClickLabel::clicked, m_widget, std::move(run));
}

} // namespace rt
