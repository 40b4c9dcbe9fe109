// Timer: while enabled, its Timer event arrives once every interval, in a rhythm kept on the
// steady clock: ticks are due at switch-on + n x interval, a late tick does not delay the next
// ones, and ticks missed while the event loop was blocked still arrive, one event each.
#pragma once

#include "form.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>

namespace rt {

class Timer : public QObject
{
public:
    Timer(Form &form, int interval, bool enabled);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int Interval() const { return m_interval; }
    void setInterval(int milliseconds);

    template <class F>
    void onTimer(F *form, void (F::*handler)())
    {
        m_run = form->handler(handler);
    }

    // Test hook: delivers one tick at once, only while the timer is enabled.
    bool deliverTick();

    // The form's unload stops it for good.
    void stop();

    // Tests drive ticks through the hook; real ticks are off there unless a test turns them on.
    static void setRealTicks(bool on);

    using Clock = std::chrono::steady_clock;

private:
    void restart();
    void arm();
    void onTimeout();

    QTimer m_timer;
    std::function<void()> m_run;
    Clock::time_point m_start;
    std::int64_t m_delivered = 0;
    std::uint64_t m_generation = 0;
    int m_interval = 0;
    bool m_enabled = false;
    bool m_stopped = false;
};

} // namespace rt
