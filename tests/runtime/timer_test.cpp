// The real timer's rhythm: ticks due at switch-on + n x interval, late ones still delivered.
#include "support/formtest.h"

#include "runtime/form.h"
#include "runtime/instance.h"
#include "runtime/timer.h"

#include <QElapsedTimer>
#include <QTest>

#include <thread>

namespace {

class ticker : public rt::Form
{
public:
    ticker()
        : rt::Form({QStringLiteral("ticker"), QStringLiteral("Ticker"), 3000, 1500, true})
        , Timer1(*this, 100, false)
    {
        Timer1.onTimer(this, &ticker::Timer1_Timer);
    }

    rt::Timer Timer1;
    QElapsedTimer clock;
    std::vector<qint64> at;
    std::function<void()> onTick;

private:
    void Timer1_Timer()
    {
        at.push_back(clock.elapsed());
        if (onTick)
            onTick();
    }
};

rt::Instance<ticker> s_ticker;

class TimerTest : public FormTest
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        rt::Timer::setRealTicks(true);
    }
};

TEST_F(TimerTest, BlockedLoopLosesNoTickAndKeepsTheRhythm)
{
    ticker &form = s_ticker();
    form.onTick = [&form] {
        // The first tick blocks the loop past the second and third ticks' due times.
        if (form.at.size() == 1)
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
    };
    form.clock.start();
    form.Timer1.setEnabled(true);
    QTest::qWait(560);
    form.Timer1.setEnabled(false);

    ASSERT_EQ(form.at.size(), 5u) << "ticks at the due times 100..500 ms, none lost";
    // The two missed ticks arrive right after the block, one event each.
    EXPECT_GE(form.at[1], 340);
    EXPECT_LT(form.at[2] - form.at[1], 40);
    // The next ones keep the original rhythm rather than restarting from the late tick.
    EXPECT_NEAR(static_cast<double>(form.at[3]), 400.0, 40.0);
    EXPECT_NEAR(static_cast<double>(form.at[4]), 500.0, 40.0);
}

TEST_F(TimerTest, SwitchingOffDropsWhatIsPending)
{
    ticker &form = s_ticker();
    form.onTick = [&form] {
        if (form.at.size() == 1) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            form.Timer1.setEnabled(false);
        }
    };
    form.clock.start();
    form.Timer1.setEnabled(true);
    QTest::qWait(400);
    EXPECT_EQ(form.at.size(), 1u);
}

} // namespace
