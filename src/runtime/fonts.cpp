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
    const QFont desktop = QApplication::font();
    QApplication::setFont(DefaultFont());
    QApplication::setFont(desktop, "QMessageBox");
    QApplication::setFont(desktop, "QMenu");
}

} // namespace rt
