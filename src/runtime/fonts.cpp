#include "fonts.h"

#include <QApplication>

namespace rt {

QFont DefaultFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    return font;
}

void UseDefaultFontForApplication()
{
    // The desktop's theme may have filled Qt's table of per-class fonts with fonts of its own for
    // menus and message boxes. QApplication::setFont would clear that table; the general font alone
    // is set here, and the two classes are given what they had, which keeps a theme's font where it
    // gave one and the desktop's general font where it did not.
    const QFont menu = QApplication::font("QMenu");
    const QFont messageBox = QApplication::font("QMessageBox");
    QGuiApplication::setFont(DefaultFont());
    QApplication::setFont(menu, "QMenu");
    QApplication::setFont(messageBox, "QMessageBox");
}

} // namespace rt
