// The application's fonts: the windows' default font for the widgets a window makes, the desktop's
// for the message box and menus.
#include "runtime/fonts.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

TEST(FontsTest, ApplicationTakesTheWindowsFontWhileMessageBoxAndMenusKeepTheDesktops)
{
    const QFont desktop = QApplication::font();
    ASSERT_NE(desktop, rt::DefaultFont()) << "the check needs a desktop font unlike the windows'";
    rt::UseDefaultFontForApplication();
    const QLineEdit box;
    const QMessageBox message;
    const QMenu menu;
    // A class's own font is applied when the widget is polished, as it is before it is shown.
    for (const QWidget *widget : std::initializer_list<const QWidget *>{&box, &message, &menu})
        widget->ensurePolished();
    EXPECT_EQ(box.font(), rt::DefaultFont());
    EXPECT_EQ(message.font(), desktop);
    EXPECT_EQ(menu.font(), desktop);
    QApplication::setFont(desktop);
}

} // namespace
