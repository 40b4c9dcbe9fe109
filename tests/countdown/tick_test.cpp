// The countdown tick: display, lamps, the end at "00:00" and the message hand-over.
#include "mainfixture.h"

#include "message/msg_window.h"
#include "runtime/instance.h"

#include <QElapsedTimer>

namespace {

using S = Shows;

class TickTest : public MainWindowTest
{
protected:
    static bool PopupLoaded() { return Loaded(QStringLiteral("msg")) == 1; }
};

TEST_F(TickTest, WholeCountdownFromTwentyMinutes)
{
    w().msgtext.setText(QStringLiteral("Ten minutes left\nName on your work"));
    Start(QStringLiteral("20:00"));
    std::vector<QString> shown;
    for (int tick = 1; tick <= 1200; ++tick) {
        // The pop-up's own timer beats beside the countdown's.
        if (PopupLoaded())
            forms::msg().Timer1.deliverTick();
        ASSERT_EQ(Tick(), 1) << "tick " << tick;
        shown.push_back(w().Label3.Caption());
        if (tick == 620) {
            EXPECT_FALSE(PopupLoaded()) << "the pop-up closes itself twenty seconds later";
        }
        if (tick == 599) {
            EXPECT_EQ(Lamps(), (std::vector<Shows>{S::Green, S::Grey, S::Grey}));
            EXPECT_FALSE(PopupLoaded());
        }
        if (tick == 600) {
            EXPECT_EQ(shown.back(), QStringLiteral("10:00"));
            EXPECT_EQ(Lamps(), (std::vector<Shows>{S::Background, S::Yellow, S::Grey}));
            ASSERT_TRUE(PopupLoaded());
            EXPECT_TRUE(forms::msg().window()->isVisible());
            EXPECT_EQ(forms::msg().Label1.Caption(), QStringLiteral("Ten minutes left\nName on your work"));
        }
    }
    EXPECT_EQ(shown.front(), QStringLiteral("19:59"));
    EXPECT_EQ(std::count(shown.begin(), shown.end(), QStringLiteral("20:00")), 0);
    EXPECT_EQ(shown.back(), QStringLiteral("00:00"));
    EXPECT_FALSE(w().Timer1.Enabled());
    EXPECT_EQ(Lamps(), (std::vector<Shows>{S::Background, S::Grey, S::Red}));
    EXPECT_EQ(Tick(), 0) << "no tick follows 00:00";
}

TEST_F(TickTest, UnderTenMinutesNeverLightsYellow)
{
    Start(QStringLiteral("5:00"));
    bool yellow = false;
    while (Tick() == 1)
        yellow = yellow || w().Image6.Visible();
    EXPECT_FALSE(yellow);
    EXPECT_EQ(w().Label3.Caption(), QStringLiteral("00:00"));
    EXPECT_EQ(Lamps(), (std::vector<Shows>{S::Background, S::Grey, S::Red}));
}

TEST_F(TickTest, MessageAtZeroComesAfterTheRedLamp)
{
    w().timetext.setText(QStringLiteral("00:00"));
    Start(QStringLiteral("0.05"));
    Tick(2);
    EXPECT_FALSE(PopupLoaded());
    Tick();
    EXPECT_TRUE(PopupLoaded());
    EXPECT_FALSE(w().Timer1.Enabled());
    EXPECT_TRUE(w().Image7.Visible());
}

TEST_F(TickTest, MessageTimesThatNeverMatch)
{
    const char *times[] = {"5:00", " 10:00", "10:00 ", "10.00", "", "20:00"};
    for (const char *time : times) {
        SCOPED_TRACE(time);
        w().timetext.setText(QString::fromLatin1(time));
        Start(QStringLiteral("20:00"));
        while (Tick() == 1) {
        }
        EXPECT_FALSE(PopupLoaded());
    }
}

TEST_F(TickTest, CountdownFromZeroOrLessEndsOnItsFirstTick)
{
    for (const char *text : {"", "abc", "0:45", "-3"}) {
        SCOPED_TRACE(text);
        Start(QString::fromLatin1(text));
        EXPECT_TRUE(w().Timer1.Enabled());
        EXPECT_EQ(Tick(), 1);
        EXPECT_EQ(w().Label3.Caption(), QStringLiteral("00:00"));
        EXPECT_FALSE(w().Timer1.Enabled());
        EXPECT_EQ(Lamps(), (std::vector<Shows>{S::Background, S::Grey, S::Red}));
    }
}

TEST_F(TickTest, MessageReachedAgainWhileThePopupIsOpenReplacesItsText)
{
    w().timetext.setText(QStringLiteral("00:58"));
    w().msgtext.setText(QStringLiteral("first"));
    Start(QStringLiteral("1"));
    Tick(2);
    ASSERT_TRUE(PopupLoaded());
    msg *popup = &forms::msg();
    popup->window()->move(10, 20);
    popup->Timer1.deliverTick();
    popup->Timer1.deliverTick();
    EXPECT_EQ(popup->Text1.Text(), QStringLiteral("18"));

    w().msgtext.setText(QStringLiteral("second"));
    Start(QStringLiteral("1"));
    Tick(2);
    EXPECT_EQ(&forms::msg(), popup) << "not loaded again";
    EXPECT_EQ(popup->Label1.Caption(), QStringLiteral("second"));
    EXPECT_EQ(popup->Text1.Text(), QStringLiteral("18")) << "the count goes on";
    EXPECT_EQ(popup->window()->pos(), QPoint(10, 20)) << "it stays where it is";

    // Once it has closed, the next match loads it fresh.
    QTest::mouseClick(popup->Command1.widget(), Qt::LeftButton);
    EXPECT_FALSE(PopupLoaded());
    Start(QStringLiteral("1"));
    Tick(2);
    ASSERT_TRUE(PopupLoaded());
    EXPECT_EQ(forms::msg().Text1.Text(), QStringLiteral("20"));
    EXPECT_EQ(forms::msg().Label1.Caption(), QStringLiteral("second"));
}

TEST_F(TickTest, EmptyMessageStillShowsThePopup)
{
    w().msgtext.setText(QString());
    w().timetext.setText(QStringLiteral("00:59"));
    Start(QStringLiteral("1"));
    Tick();
    ASSERT_TRUE(PopupLoaded());
    EXPECT_TRUE(forms::msg().window()->isVisible());
    EXPECT_EQ(forms::msg().Label1.Caption(), QString());
}

} // namespace

namespace {

TEST_F(TickTest, RealTimerCountsThreeSecondsToRed)
{
    rt::Timer::setRealTicks(true);
    QElapsedTimer clock;
    clock.start();
    Start(QStringLiteral("0.05"));
    ASSERT_TRUE(QTest::qWaitFor([] { return w().Label3.Caption() == QStringLiteral("00:00"); }, 5000));
    EXPECT_NEAR(static_cast<double>(clock.elapsed()), 3000.0, 150.0);
    EXPECT_FALSE(w().Timer1.Enabled());
    EXPECT_EQ(Lamps(), (std::vector<Shows>{S::Background, S::Grey, S::Red}));
}

} // namespace
