#include "textbox.h"

#include "exacttextedit.h"

#include <QLineEdit>

#include <limits>

namespace rt {

TextBox::TextBox(QWidget *container, const TextBoxDesign &design)
{
    QWidget *widget = nullptr;
    if (design.multiLine) {
        m_multi = new ExactTextEdit(container);
        m_multi->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_multi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_multi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Tab moves on to the next control instead of typing a tab.
        m_multi->setTabChangesFocus(true);
        m_multi->setText(design.text);
        widget = m_multi;
    } else {
        m_line = new QLineEdit(container);
        // No box limits the length of its text.
        m_line->setMaxLength(std::numeric_limits<int>::max());
        m_line->setText(design.text);
        m_line->setCursorPosition(0);
        widget = m_line;
    }
    Place(widget, design.rect);
    ApplyFont(widget, design.font ? &*design.font : nullptr);
    widget->setFocusPolicy(Qt::StrongFocus);
}

QString TextBox::Text() const
{
    return m_line ? m_line->text() : m_multi->text();
}

void TextBox::setText(const QString &text)
{
    if (m_line)
        m_line->setText(text);
    else
        m_multi->setText(text);
}

QWidget *TextBox::widget() const
{
    return m_line ? static_cast<QWidget *>(m_line) : static_cast<QWidget *>(m_multi);
}

} // namespace rt
