// MenuEntry: a top-level entry of the window's menu bar with no submenu; choosing it runs its handler.
#pragma once

#include "clickable.h"
#include "form.h"

class QAction;

namespace rt {

class MenuEntry : public Clickable
{
public:
    MenuEntry(Form &form, const QString &caption);

private:
    void connectClick(std::function<void()> run) override;
    QAction *m_action;
};

} // namespace rt
