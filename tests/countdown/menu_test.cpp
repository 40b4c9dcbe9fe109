// The menu's web-page and About entries, the shell call both callers make, and the About window.
#include "mainfixture.h"

#include "about/about_window.h"
#include "about/webpage.h"
#include "runtime/shell.h"

#include <QMenuBar>
#include <QScreen>

#include <string>

namespace {

struct ShellCall
{
    quint32 window;
    std::string verb;
    std::string file;
    bool parameters;  // a pointer was given
    bool directory;
    int show;
};

class MenuTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        rt::SetShellResolver([this]() -> rt::ShellOpener {
            ++resolutions;
            if (!openerPresent)
                return {};
            return [this](quint32 window, const char *verb, const char *file, const char *parameters,
                          const char *directory, int show) -> qintptr {
                calls.push_back({window, verb, file, parameters != nullptr, directory != nullptr, show});
                return 2;  // the shell could not open it: nobody looks
            };
        });
    }

    void TearDown() override
    {
        rt::SetShellResolver({});
        MainWindowTest::TearDown();
    }

    static int AboutWindows() { return Loaded(QStringLiteral("about")); }

    std::vector<ShellCall> calls;
    int resolutions = 0;
    bool openerPresent = true;
};

TEST_F(MenuTest, BothCallersMakeTheSameShellCallForTheirOwnWindow)
{
    Start(QStringLiteral("20:00"));
    Tick(3);
    ChooseMenu(1);
    ChooseMenu(2);
    const QRect label = forms::about().Label4.widget()->rect();
    for (const QPoint at : {label.topLeft() + QPoint(3, 3), label.bottomRight() - QPoint(3, 3)})
        QTest::mouseClick(forms::about().Label4.widget(), Qt::LeftButton, {}, at);

    ASSERT_EQ(calls.size(), 3u);
    const quint32 windows[] = {w().hWnd(), forms::about().hWnd(), forms::about().hWnd()};
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[i].window, windows[i]);
        EXPECT_EQ(calls[i].verb, "open");
        EXPECT_EQ(calls[i].file, MakerWebAddress);
        EXPECT_FALSE(calls[i].parameters);
        EXPECT_FALSE(calls[i].directory);
        EXPECT_EQ(calls[i].show, 1);
    }
    EXPECT_NE(w().hWnd(), forms::about().hWnd());
    EXPECT_EQ(resolutions, 1) << "looked up at the first call only";
    // A failing open changes nothing: the About window stays, the countdown runs on.
    EXPECT_EQ(AboutWindows(), 1);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(w().Timer1.Enabled());
    EXPECT_EQ(w().CtDn, 1197);
}

TEST_F(MenuTest, MissingOpenerIsAReportedRunTimeError)
{
    openerPresent = false;
    ChooseMenu(1);
    EXPECT_EQ(errors, (std::vector<int>{53}));
    EXPECT_TRUE(calls.empty());
    openerPresent = true;
    ChooseMenu(1);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(MenuTest, AboutShowsOneWindowLoadedFreshAndCentredEachTime)
{
    ChooseMenu(2);
    ChooseMenu(2);
    EXPECT_EQ(AboutWindows(), 1);
    about &first = forms::about();
    ExpectCentred(first.window());
    EXPECT_EQ(first.window()->size(), QSize(271, 193));
    first.window()->move(5, 5);
    ChooseMenu(2);
    EXPECT_EQ(first.window()->pos(), QPoint(5, 5)) << "shown again where it is";

    QTest::mouseClick(first.Command1.widget(), Qt::LeftButton);
    EXPECT_EQ(AboutWindows(), 0);
    ChooseMenu(2);
    EXPECT_EQ(AboutWindows(), 1);
    ExpectCentred(forms::about().window());
}

TEST_F(MenuTest, CloseAboutDuringACountdownLeavesItRunning)
{
    Start(QStringLiteral("20:00"));
    ChooseMenu(2);
    Tick(2);
    QTest::mouseClick(forms::about().Command1.widget(), Qt::LeftButton);
    EXPECT_TRUE(w().Timer1.Enabled());
    Tick();
    EXPECT_EQ(w().Label3.Caption(), QStringLiteral("19:57"));
    EXPECT_EQ(Lamps(), (std::vector<Shows>{Shows::Green, Shows::Grey, Shows::Grey}));
}

} // namespace
