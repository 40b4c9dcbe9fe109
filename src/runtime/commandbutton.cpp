#include "commandbutton.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace rt {

namespace {

// No button is a window's default button, yet the focused one answers Enter as well as Space. A
// caption wider than the button breaks into lines at blanks instead of being cut at its sides.
class PushButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

} // namespace

CommandButton::CommandButton(QWidget *container, const CommandButtonDesign &design)
    : m_widget(new PushButton(design.caption, container))
{
    Place(m_widget, design.rect);
    ApplyFont(m_widget, design.font ? &*design.font : nullptr);
    m_widget->setAutoDefault(false);
    m_widget->setDefault(false);
    m_widget->setFocusPolicy(Qt::StrongFocus);
}

QString CommandButton::Caption() const
{
    return m_widget->text();
}

void CommandButton::connectClick(std::function<void()> run)
{
    QObject::connect(m_widget, &QPushButton::clicked, m_widget, std::move(run));
}

} // namespace rt
