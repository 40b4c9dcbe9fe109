// Start and Stop on the real window: the timer, each bar and what each lamp place shows.
#include "mainfixture.h"

namespace {

using S = Shows;

struct StartRow
{
    const char *text;
    int16_t ctdn;
    bool timerOn;
    bool image2, image3, image4, image5, image6, image7;
    std::vector<Shows> lamps;
};

const StartRow StartRows[] = {
    {"20:00", 1200, true, false, true, true, true, false, false, {S::Green, S::Grey, S::Grey}},
    {"10:00", 600, false, false, true, true, false, true, false, {S::Background, S::Yellow, S::Grey}},
    {"00:00", 0, false, false, true, true, false, false, true, {S::Background, S::Grey, S::Red}},
    {"10:00 ", 600, true, false, true, true, true, false, false, {S::Green, S::Grey, S::Grey}},
    {"010:00", 600, true, false, true, true, true, false, false, {S::Green, S::Grey, S::Grey}},
    {"10", 600, true, false, true, true, true, false, false, {S::Green, S::Grey, S::Grey}},
    {"abc", 0, true, false, true, true, true, false, false, {S::Green, S::Grey, S::Grey}},
};

class StartStopTest : public MainWindowTest
{
};

TEST_F(StartStopTest, StateAfterStart)
{
    for (const StartRow &row : StartRows) {
        SCOPED_TRACE(row.text);
        // From a lit red lamp, so every bar is set afresh.
        w().Image7.setVisible(true);
        Start(QString::fromLatin1(row.text));
        EXPECT_EQ(w().CtDn, row.ctdn);
        EXPECT_EQ(w().Timer1.Enabled(), row.timerOn);
        EXPECT_EQ(w().Timer1.Interval(), 1000);
        const bool bars[] = {w().Image2.Visible(), w().Image3.Visible(), w().Image4.Visible(),
                             w().Image5.Visible(), w().Image6.Visible(), w().Image7.Visible()};
        const bool want[] = {row.image2, row.image3, row.image4, row.image5, row.image6, row.image7};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(bars[i], want[i]) << "Image" << i + 2;
        EXPECT_EQ(Lamps(), row.lamps);
        EXPECT_EQ(w().Label3.Caption(), QString()) << "Start never writes the display";
        Click(w().Image9);
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(StartStopTest, SecondStartReplacesTheCounterAndTheFirstTickShowsIt)
{
    Start(QStringLiteral("20:00"));
    Tick(5);
    EXPECT_EQ(w().Label3.Caption(), QStringLiteral("19:55"));
    Start(QStringLiteral("5:00"));
    EXPECT_EQ(w().CtDn, 300);
    EXPECT_EQ(w().Label3.Caption(), QStringLiteral("19:55")) << "kept until the next tick";
    EXPECT_EQ(w().cCtDn, QStringLiteral("19:55"));
    Tick();
    EXPECT_EQ(w().Label3.Caption(), QStringLiteral("04:59"));
}

TEST_F(StartStopTest, StopKeepsLampsAndDisplayAndStopBeforeStartChangesNothing)
{
    const QImage before = Grab(w().client(), w().client()->rect());
    Click(w().Image9);
    EXPECT_EQ(Grab(w().client(), w().client()->rect()), before);
    EXPECT_FALSE(w().Timer1.Enabled());

    w().timetext.setText(QString());
    Start(QStringLiteral("10.0167"));  // 601 s: the first tick shows "10:00"
    Tick();
    EXPECT_EQ(Lamps(), (std::vector<Shows>{S::Background, S::Yellow, S::Grey}));
    Click(w().Image9);
    EXPECT_FALSE(w().Timer1.Enabled());
    EXPECT_EQ(Tick(), 0);
    EXPECT_EQ(Lamps(), (std::vector<Shows>{S::Background, S::Yellow, S::Grey}));
    EXPECT_EQ(w().Label3.Caption(), QStringLiteral("10:00"));
    EXPECT_EQ(w().CtDn, 600);
}

TEST_F(StartStopTest, OutOfRangeStartIsReportedWithAllPlacesGreyAndTheCountdownGoesOn)
{
    Start(QStringLiteral("20:00"));
    Tick(3);
    Start(QStringLiteral("546.125"));
    EXPECT_EQ(errors, (std::vector<int>{6}));
    EXPECT_EQ(Lamps(), (std::vector<Shows>{S::Grey, S::Grey, S::Grey}));
    EXPECT_EQ(w().CtDn, 1197);
    EXPECT_TRUE(w().Timer1.Enabled()) << "the countdown keeps counting where it was";
    Tick();
    EXPECT_EQ(w().Label3.Caption(), QStringLiteral("19:56"));
    // Still responsive: the next Start works.
    Start(QStringLiteral("546.12"));
    EXPECT_EQ(w().CtDn, 32767);
    EXPECT_EQ(errors.size(), 1u);
}

} // namespace
