// The About window's design and its one focusable control.
#include "support/formtest.h"

#include "about/about_window.h"
#include "about/webpage.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class AboutTest : public FormTest
{
protected:
    static about &Shown()
    {
        rt::Dispatch([] { forms::about().Show(); });
        return forms::about();
    }
};

TEST_F(AboutTest, Design)
{
    about &a = Shown();
    struct Row { const char *name; QWidget *widget; QRect twips; QString text; };
    const QString prefix = QStringLiteral("For more educational resources, visit us online at ");
    const Row rows[] = {
        {"Command1", a.Command1.widget(), {840, 2400, 1695, 435}, QStringLiteral("Close About")},
        {"Image1", a.Image1.widget(), {2160, 120, 720, 720}, QString()},
        {"Label4", a.Label4.widget(), {240, 1800, 3615, 615}, prefix + QString::fromLatin1(MakerWebAddress)},
        {"Label3", a.Label3.widget(), {720, 1200, 2055, 255}, QStringLiteral("This tool is free to use.")},
        {"Label2", a.Label2.widget(), {240, 720, 2055, 255}, QStringLiteral("By Elvantor")},
        {"Label1", a.Label1.widget(), {120, 240, 2055, 255}, QStringLiteral("Tavrin Activty Timer 1.0")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QRect &t = row.twips;
        EXPECT_EQ(row.widget->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
        if (auto *label = qobject_cast<QLabel *>(row.widget); label && label->pixmap().isNull()) {
            EXPECT_EQ(label->text(), row.text);
            EXPECT_EQ(label->font().pixelSize(), 13);
            EXPECT_FALSE(label->font().bold());
            EXPECT_FALSE(label->font().underline());
        }
        if (auto *button = qobject_cast<QPushButton *>(row.widget)) {
            EXPECT_EQ(button->text(), row.text);
        }
    }
    EXPECT_EQ(prefix.size(), 51);
    EXPECT_EQ(a.Label4.widget()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(a.window()->windowTitle(), QStringLiteral("About Tavrin Activity Timer"));
    EXPECT_EQ(a.window()->size(), QSize(271, 193));
    EXPECT_EQ(a.Name(), QStringLiteral("about"));
    const Qt::WindowFlags flags = a.window()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    // The icon lies over Label1's end: it was created later, so it is drawn on top.
    EXPECT_TRUE(a.Image1.widget()->geometry().intersects(a.Label1.widget()->geometry()));
    EXPECT_EQ(a.client()->childAt(a.Image1.widget()->geometry().center()), a.Image1.widget());
    EXPECT_EQ(a.client()->childAt(QPoint(80, 161)), a.Command1.widget()) << "the button over Label4's bottom";
}

TEST_F(AboutTest, CloseAboutHoldsTheFocusAndUnloads)
{
    about &a = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.window()));
    EXPECT_EQ(QApplication::focusWidget(), a.Command1.widget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), a.Command1.widget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(rt::LoadedFormCount(), 0u);
}

} // namespace
