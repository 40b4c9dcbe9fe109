// Window instances, unloading, Forms, run-time errors and the end of the event loop.
#include "support/formtest.h"

#include "runtime/commandbutton.h"
#include "runtime/form.h"
#include "runtime/instance.h"
#include "runtime/textbox.h"
#include "runtime/timer.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

int s_loads = 0;

// A small window class with a button whose handler the test chooses.
class probe : public rt::Form
{
public:
    probe()
        : rt::Form({QStringLiteral("probe"), QStringLiteral("Probe"), 3000, 1500, true})
        , Text1(client(), {{120, 120, 1500, 285}, QStringLiteral("design")})
        , Command1(client(), {{120, 600, 1500, 375}, QStringLiteral("Go")})
        , Timer1(*this, 1000, true)
    {
        Command1.onClick(this, &probe::Command1_Click);
        Timer1.onTimer(this, &probe::Timer1_Timer);
    }

    rt::TextBox Text1;
    rt::CommandButton Command1;
    rt::Timer Timer1;
    static inline std::function<void(probe &)> onClick;
    int ticks = 0;

protected:
    void Form_Load() override { ++s_loads; }

private:
    void Command1_Click()
    {
        if (onClick)
            onClick(*this);
    }
    void Timer1_Timer() { ++ticks; }
};

class other : public rt::Form
{
public:
    other()
        : rt::Form({QStringLiteral("other"), QStringLiteral("Other"), 3000, 1500, true})
    {
    }
};

rt::Instance<probe> s_probe;
rt::Instance<other> s_other;

class FormsTest : public FormTest
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        s_loads = 0;
        probe::onClick = nullptr;
    }
};

TEST_F(FormsTest, FirstUseLoadsOnceAndUnloadGivesFreshDesignValues)
{
    EXPECT_FALSE(s_probe.IsLoaded());
    s_probe().Text1.setText(QStringLiteral("typed"));
    s_probe().Timer1.setEnabled(false);
    EXPECT_EQ(s_loads, 1);
    EXPECT_EQ(rt::LoadedFormCount(), 1u);

    s_probe().Unload();
    EXPECT_FALSE(s_probe.IsLoaded());
    EXPECT_EQ(rt::LoadedFormCount(), 0u);

    EXPECT_EQ(s_probe().Text1.Text(), QStringLiteral("design"));
    EXPECT_TRUE(s_probe().Timer1.Enabled());
    EXPECT_EQ(s_loads, 2);
}

TEST_F(FormsTest, UnloadStopsTimersAndTheHookDeliversOnlyWhileEnabled)
{
    probe &form = s_probe();
    EXPECT_TRUE(form.Timer1.deliverTick());
    form.Timer1.setEnabled(false);
    EXPECT_FALSE(form.Timer1.deliverTick());
    form.Timer1.setEnabled(true);
    EXPECT_TRUE(form.Timer1.deliverTick());
    EXPECT_EQ(form.ticks, 2);

    rt::Dispatch([&] {
        form.Unload();
        // Still alive until the outermost handler returns; its timer is off for good.
        EXPECT_FALSE(form.Timer1.deliverTick());
        form.Timer1.setEnabled(true);
        EXPECT_FALSE(form.Timer1.Enabled());
    });
}

TEST_F(FormsTest, FormsVisitsEachLoadedWindowOnceWhileTheVisitedOneIsUnloaded)
{
    s_probe();
    s_other();
    std::vector<QString> visited;
    rt::Dispatch([&] {
        for (rt::Form &form : rt::Forms()) {
            visited.push_back(form.Name());
            form.Unload();
        }
    });
    EXPECT_EQ(visited, (std::vector<QString>{QStringLiteral("probe"), QStringLiteral("other")}));
    EXPECT_EQ(rt::LoadedFormCount(), 0u);

    // A window unloaded by an earlier visit is not given again.
    s_probe();
    s_other();
    visited.clear();
    rt::Dispatch([&] {
        for (rt::Form &form : rt::Forms()) {
            visited.push_back(form.Name());
            s_other().Unload();
        }
    });
    EXPECT_EQ(visited, (std::vector<QString>{QStringLiteral("probe")}));
}

TEST_F(FormsTest, HandlerThatUnloadsItsOwnWindowRunsToItsEnd)
{
    bool reachedEnd = false;
    probe::onClick = [&](probe &self) {
        s_probe().Unload();
        rt::DoEvents();
        // The form is discarded but not yet destroyed: its members are still there.
        self.Text1.setText(QStringLiteral("after unload"));
        reachedEnd = true;
    };
    s_probe().Show();
    QTest::mouseClick(s_probe().Command1.widget(), Qt::LeftButton);
    EXPECT_TRUE(reachedEnd);
    EXPECT_FALSE(s_probe.IsLoaded());
    QApplication::processEvents();
    EXPECT_EQ(s_probe().Text1.Text(), QStringLiteral("design"));
}

TEST_F(FormsTest, TitleBarCloseUnloadsWithNoProgramCode)
{
    s_probe().Show();
    s_probe().window()->close();
    QApplication::processEvents();
    EXPECT_FALSE(s_probe.IsLoaded());
    EXPECT_EQ(s_loads, 1);
}

TEST_F(FormsTest, RunTimeErrorEndsTheHandlerAndTheProgramGoesOn)
{
    int steps = 0;
    probe::onClick = [&](probe &) {
        ++steps;
        rt::Raise(rt::err::Overflow);
        ++steps;
    };
    s_probe().Show();
    QTest::mouseClick(s_probe().Command1.widget(), Qt::LeftButton);
    QTest::mouseClick(s_probe().Command1.widget(), Qt::LeftButton);
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(errors, (std::vector<int>{6, 6}));
    EXPECT_TRUE(s_probe.IsLoaded());
}

TEST_F(FormsTest, HeightPutOutOfRangeIsARunTimeError)
{
    rt::Dispatch([] { s_probe().setHeight(-1.0f); });
    EXPECT_EQ(errors, (std::vector<int>{380}));
}

// Drives the real event loop: it must end once the last window is gone, also when that happens
// inside a handler that lets pending events run afterwards.
TEST_F(FormsTest, EventLoopEndsWhenTheLastWindowGoes)
{
    probe::onClick = [](probe &) {
        s_other().Unload();
        s_probe().Unload();
        rt::DoEvents();
    };
    s_probe().Show();
    s_other().Show();
    QTimer::singleShot(0, [] { s_probe().Command1.widget()->click(); });
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        rt::UnloadEverything();
        QCoreApplication::exit(1);
    });
    watchdog.start(5000);
    EXPECT_EQ(rt::Run(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(rt::LoadedFormCount(), 0u);
}

TEST_F(FormsTest, RunReturnsAtOnceWithNoWindowLoaded)
{
    EXPECT_EQ(rt::Run(), 0);
}

} // namespace
