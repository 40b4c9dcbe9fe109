// The application's fonts: the windows' default font for the widgets a window makes; the desktop's
// for the message box and menus, its theme's own where the theme gives them one.
#include "runtime/fonts.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

// Fonts print as their description.
static void PrintTo(const QFont &font, std::ostream *out)
{
    *out << font.toString().toStdString();
}

namespace {

QFont Face(const char *family, int points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSize(points);
    return font;
}

TEST(FontsTest, WindowsTakeTheirFontWhileMessageBoxAndMenusKeepTheDesktops)
{
    const QFont desktop = QApplication::font();
    if (desktop == rt::DefaultFont())
        GTEST_SKIP() << "the desktop's font is the windows' one, so the two cannot be told apart";
    // A theme fills Qt's table of per-class fonts when the application starts; each row starts
    // from the desktop's general font with the table as that theme leaves it.
    const struct
    {
        const char *what;
        std::optional<QFont> menu;
        std::optional<QFont> messageBox;
    } themes[] = {
        {"a theme with no fonts of its own", std::nullopt, std::nullopt},
        {"a theme with its own menu and message-box fonts", Face("DejaVu Serif", 13), Face("Liberation Serif", 11)},
        {"a theme with its own menu font alone", Face("DejaVu Serif", 13), std::nullopt},
    };
    for (const auto &theme : themes) {
        QApplication::setFont(desktop);  // clears the table
        if (theme.menu)
            QApplication::setFont(*theme.menu, "QMenu");
        if (theme.messageBox)
            QApplication::setFont(*theme.messageBox, "QMessageBox");

        rt::UseDefaultFontForApplication();
        const QLineEdit box;
        const QMessageBox message;
        const QMenu menu;
        // A class's own font is applied when the widget is polished, as it is before it is shown.
        for (const QWidget *widget : {static_cast<const QWidget *>(&box), static_cast<const QWidget *>(&message),
                                      static_cast<const QWidget *>(&menu)})
            widget->ensurePolished();
        EXPECT_EQ(box.font(), rt::DefaultFont()) << theme.what;
        EXPECT_EQ(message.font(), theme.messageBox.value_or(desktop)) << theme.what;
        EXPECT_EQ(menu.font(), theme.menu.value_or(desktop)) << theme.what;
    }
    QApplication::setFont(desktop);
}

} // namespace
