#include "label.h"

#include "clicklabel.h"

namespace rt {

Label::Label(QWidget *container, const LabelDesign &design)
    : m_widget(new ClickLabel(container))
{
    Place(m_widget, design.rect);
    ApplyFont(m_widget, design.font ? &*design.font : nullptr);
    m_widget->setTextFormat(Qt::PlainText);
    m_widget->setWordWrap(true);
    m_widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_widget->setFocusPolicy(Qt::NoFocus);
    if (design.foreColor) {
        QPalette palette = m_widget->palette();
        palette.setColor(QPalette::WindowText, ColorFromBgr(*design.foreColor));
        m_widget->setPalette(palette);
    }
    m_widget->setAutoFillBackground(!design.transparent);
    m_widget->setText(design.caption);
}

QString Label::Caption() const
{
    return m_widget->text();
}

void Label::setCaption(const QString &caption)
{
    m_widget->setText(caption);
}

QLabel *Label::widget() const
{
    return m_widget;
}

void Label::connectClick(std::function<void()> run)
{
    QObject::connect(m_widget, &ClickLabel::clicked, m_widget, std::move(run));
}

} // namespace rt
