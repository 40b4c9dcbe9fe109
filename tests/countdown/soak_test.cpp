// Long runs: the longest countdown through every second, and many pop-ups loaded and closed.
#include "mainfixture.h"

#include "message/msg_window.h"

namespace {

class SoakTest : public MainWindowTest
{
};

TEST_F(SoakTest, LongestCountdownShowsEverySecondDownToZero)
{
    Start(QStringLiteral("546.12"));
    ASSERT_EQ(w().CtDn, 32767);
    for (int left = 32766; left >= 0; --left) {
        ASSERT_EQ(Tick(), 1) << "at " << left;
        const QString want = QStringLiteral("%1:%2").arg(left / 60, 2, 10, QLatin1Char('0')).arg(left % 60, 2, 10, QLatin1Char('0'));
        ASSERT_EQ(w().Label3.Caption(), want);
    }
    EXPECT_FALSE(w().Timer1.Enabled());
    EXPECT_EQ(Lamps(), (std::vector<Shows>{Shows::Background, Shows::Grey, Shows::Red}));
}

TEST_F(SoakTest, ThousandPopupsComeAndGo)
{
    w().timetext.setText(QStringLiteral("00:59"));
    for (int i = 0; i < 1000; ++i) {
        Start(QStringLiteral("1"));
        ASSERT_EQ(Tick(), 1);
        msg &popup = forms::msg();
        ASSERT_EQ(popup.Text1.Text(), QStringLiteral("20")) << "round " << i;
        popup.Timer1.deliverTick();
        if (i % 2)
            QTest::mouseClick(popup.Command1.widget(), Qt::LeftButton);
        else
            for (int t = 0; t < 19; ++t)
                popup.Timer1.deliverTick();
        ASSERT_EQ(rt::LoadedFormCount(), 1u);
        // Lets the queued destruction of the closed pop-up run, as the event loop would.
        QApplication::processEvents();
    }
}

} // namespace
