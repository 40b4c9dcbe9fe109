#include "shell.h"

#include "runtimeerror.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

#include <optional>

namespace rt {

namespace {

ShellOpener DesktopOpener()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return {};
    return [](quint32, const char *, const char *file, const char *, const char *, int) -> qintptr {
        // true only says a launcher started; the caller does not look at the result anyway.
        return QDesktopServices::openUrl(QUrl(QString::fromLatin1(file))) ? 42 : 2;
    };
}

ShellResolver s_resolver;
std::optional<ShellOpener> s_opener;

} // namespace

qintptr ShellExecute(quint32 window, const char *verb, const char *file, const char *parameters,
                     const char *directory, int showCommand)
{
    if (!s_opener) {
        ShellOpener found = s_resolver ? s_resolver() : DesktopOpener();
        if (!found)
            Raise(err::FileNotFound, QStringLiteral("File not found: xdg-open"));
        s_opener = std::move(found);
    }
    return (*s_opener)(window, verb, file, parameters, directory, showCommand);
}

void SetShellResolver(ShellResolver resolver)
{
    s_resolver = std::move(resolver);
    s_opener.reset();
}

} // namespace rt
