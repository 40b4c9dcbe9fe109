// CommandButton: a push button; a click, or Space, Enter or Return on the focused button, clicks it.
#pragma once

#include "control.h"
#include "clickable.h"
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

class CommandButton : public Clickable
{
public:
    CommandButton(QWidget *container, const CommandButtonDesign &design);

    QString Caption() const;

    QPushButton *widget() const { return m_widget; }

private:
    void connectClick(std::function<void()> run) override;
    QPushButton *m_widget;
};

} // namespace rt
