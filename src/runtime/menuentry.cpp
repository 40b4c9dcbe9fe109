#include "menuentry.h"

#include <QAction>
#include <QMenuBar>

namespace rt {

MenuEntry::MenuEntry(Form &form, const QString &caption)
    : m_action(form.menuBar()->addAction(caption))
{
    // No access keys: an ampersand in a caption would stay a character.
    m_action->setText(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void MenuEntry::connectClick(std::function<void()> run)
{
    QObject::connect(m_action, &QAction::triggered, m_action, std::move(run));
}

} // namespace rt
