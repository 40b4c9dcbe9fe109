// MenuEntry: a top-level entry of the window's menu bar with no submenu; choosing it runs its handler.
#pragma once

#include "form.h"

class QAction;

namespace rt {

class MenuEntry
{
public:
    MenuEntry(Form &form, const QString &caption);

    QString Caption() const;

    template <class F>
    void onClick(F *form, void (F::*handler)())
    {
        connectClick(form->handler(handler));
    }

    QAction *action() const { return m_action; }

private:
    void connectClick(std::function<void()> run);
    QAction *m_action;
};

} // namespace rt
