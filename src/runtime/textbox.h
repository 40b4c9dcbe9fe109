// TextBox: an editable text, one line or several lines with a vertical scroll bar.
#pragma once

#include "control.h"

#include <optional>

class QLineEdit;

namespace rt {

class ExactTextEdit;

struct TextBoxDesign
{
    TwipsRect rect;
    QString text;
    bool multiLine = false;
    std::optional<FontSpec> font;
};

class TextBox
{
public:
    TextBox(QWidget *container, const TextBoxDesign &design);

    QString Text() const;
    void setText(const QString &text);

    QWidget *widget() const;

private:
    QLineEdit *m_line = nullptr;
    ExactTextEdit *m_multi = nullptr;
};

} // namespace rt
