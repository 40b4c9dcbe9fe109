// CommandButton: a push button; a click, or Space, Enter or Return on the focused button, clicks it.
#pragma once

#include "control.h"
#include "form.h"

#include <optional>

#include <QPushButton>

namespace rt {

struct CommandButtonDesign
{
    TwipsRect rect;
    QString caption;
    std::optional<FontSpec> font;
};

class CommandButton
{
public:
    CommandButton(QWidget *container, const CommandButtonDesign &design);

    QString Caption() const;

    template <class F>
    void onClick(F *form, void (F::*handler)())
    {
        connectClick(form->handler(handler));
    }

    QPushButton *widget() const { return m_widget; }

private:
    void connectClick(std::function<void()> run);
    QPushButton *m_widget;
};

} // namespace rt
