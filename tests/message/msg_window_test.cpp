// The Message pop-up: its design, its close-down count, its button and its real timer.
#include "support/formtest.h"

#include "message/msg_window.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

class MsgTest : public FormTest
{
protected:
    // The pop-up as the countdown brings it: message written (which loads it), then shown.
    static msg &Popup(const QString &message = QStringLiteral("Ten minutes left"))
    {
        rt::Dispatch([&] {
            forms::msg().Label1.setCaption(message);
            forms::msg().Show();
        });
        return forms::msg();
    }

    static bool Loaded() { return rt::LoadedFormCount() == 1; }

    // Ticks until the pop-up closes or the limit is reached; gives the counts seen.
    static std::vector<QString> Count(int limit)
    {
        std::vector<QString> seen;
        for (int i = 0; i < limit && Loaded(); ++i) {
            msg &popup = forms::msg();
            popup.Timer1.deliverTick();
            seen.push_back(Loaded() ? popup.Text1.Text() : QStringLiteral("closed"));
        }
        return seen;
    }
};

TEST_F(MsgTest, Design)
{
    msg &popup = Popup();
    EXPECT_EQ(popup.window()->windowTitle(), QStringLiteral("Timer Message"));
    EXPECT_EQ(popup.window()->size(), QSize(451, 168));
    EXPECT_EQ(popup.Label1.widget()->geometry(), QRect(8, 8, 433, 97));
    EXPECT_EQ(popup.Command1.widget()->geometry(), QRect(176, 120, 81, 41));
    EXPECT_EQ(popup.Command1.Caption(), QStringLiteral("Close Message"));
    EXPECT_EQ(popup.Command1.widget()->font().pixelSize(), 13);
    EXPECT_EQ(popup.Label1.widget()->font().pixelSize(), 13);
    EXPECT_EQ(popup.Text1.widget()->geometry(), QRect(56, 192, 41, 19));
    EXPECT_EQ(popup.Text1.Text(), QStringLiteral("20"));
    EXPECT_TRUE(popup.Timer1.Enabled());
    EXPECT_EQ(popup.Timer1.Interval(), 1000);
    const Qt::WindowFlags flags = popup.window()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(popup.window()->minimumSize(), popup.window()->maximumSize());
    ExpectCentred(popup.window());
}

TEST_F(MsgTest, FocusStartsOnTheButtonAndTabReachesTheHiddenCount)
{
    msg &popup = Popup();
    ASSERT_TRUE(QTest::qWaitForWindowActive(popup.window()));
    EXPECT_EQ(QApplication::focusWidget(), popup.Command1.widget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), popup.Text1.widget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(nullptr, QStringLiteral("2"));
    EXPECT_EQ(popup.Text1.Text(), QStringLiteral("2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), popup.Command1.widget());
}

TEST_F(MsgTest, FreshCountClosesOnTheTwentiethTick)
{
    Popup();
    const std::vector<QString> seen = Count(25);
    ASSERT_EQ(seen.size(), 20u);
    EXPECT_EQ(seen.front(), QStringLiteral("19"));
    EXPECT_EQ(seen[18], QStringLiteral("1"));
    EXPECT_EQ(seen.back(), QStringLiteral("closed"));
}

TEST_F(MsgTest, TypedCounts)
{
    struct Row { const char *typed; bool comma; std::vector<QString> seen; };
    const auto q = [](std::initializer_list<const char *> list) {
        std::vector<QString> out;
        for (const char *s : list)
            out.push_back(QString::fromLatin1(s));
        return out;
    };
    const Row rows[] = {
        {"5x", false, q({"4", "3", "2", "1", "closed"})},
        {"1", false, q({"closed"})},
        {"0", false, q({"-1", "-2", "-3"})},
        {"-3", false, q({"-4", "-5", "-6"})},
        {"", false, q({"-1", "-2", "-3"})},
        {"2.5", false, q({"1.5", "0.5", "-0.5", "-1.5"})},
        {"2.5", true, q({"1,5", "closed"})},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.typed) + (row.comma ? " (comma)" : " (point)"));
        QLocale::setDefault(row.comma ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
        Popup().Text1.setText(QString::fromLatin1(row.typed));
        EXPECT_EQ(Count(static_cast<int>(row.seen.size())), row.seen);
        rt::UnloadEverything();
    }
    QLocale::setDefault(QLocale::system());
}

TEST_F(MsgTest, CloseMessageClosesAtOnceAndTheNextStartsFromTwentyCentredAgain)
{
    msg &popup = Popup();
    Count(3);
    popup.window()->move(0, 0);
    QTest::mouseClick(popup.Command1.widget(), Qt::LeftButton);
    EXPECT_FALSE(Loaded());
    QApplication::processEvents();
    msg &next = Popup(QStringLiteral("again"));
    EXPECT_EQ(next.Text1.Text(), QStringLiteral("20"));
    ExpectCentred(next.window());
}

TEST_F(MsgTest, LongMessageIsCutAtTheLabelsEdgeAndTheWindowKeepsItsSize)
{
    msg &popup = Popup(QString(QStringLiteral("word ")).repeated(400) + QStringLiteral("\nlast line"));
    EXPECT_EQ(popup.window()->size(), QSize(451, 168));
    EXPECT_EQ(popup.Label1.widget()->size(), QSize(433, 97));
}

TEST_F(MsgTest, OverflowingCountIsReportedAndKeepsItsText)
{
    msg &popup = Popup();
    popup.Text1.setText(QStringLiteral("1e999"));
    popup.Timer1.deliverTick();
    popup.Timer1.deliverTick();
    EXPECT_EQ(errors, (std::vector<int>{6, 6}));
    EXPECT_EQ(popup.Text1.Text(), QStringLiteral("1e999"));
    popup.Text1.setText(QStringLiteral("2"));
    EXPECT_EQ(Count(5), (std::vector<QString>{QStringLiteral("1"), QStringLiteral("closed")}));
}

TEST_F(MsgTest, ClosesItselfOnItsRealTimer)
{
    rt::Timer::setRealTicks(true);
    msg &popup = Popup();
    popup.Text1.setText(QStringLiteral("2"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(QTest::qWaitFor([] { return !Loaded(); }, 4000));
    EXPECT_NEAR(static_cast<double>(clock.elapsed()), 2000.0, 250.0);
}

} // namespace
