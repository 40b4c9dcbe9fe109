#include "timer.h"

#include <algorithm>

namespace rt {

namespace {
bool s_realTicks = true;
}

Timer::Timer(Form &form, int interval, bool enabled)
    : m_interval(interval)
{
    form.addTimer(this);
    // Each tick is armed for its own due time, so a precise single shot serves.
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { onTimeout(); });
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled)
{
    if (m_stopped || enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void Timer::setInterval(int milliseconds)
{
    if (m_stopped || milliseconds == m_interval)
        return;
    m_interval = std::max(0, milliseconds);
    restart();
}

bool Timer::deliverTick()
{
    if (!m_enabled || m_stopped || !m_run)
        return false;
    m_run();
    return true;
}

void Timer::stop()
{
    m_stopped = true;
    m_enabled = false;
    m_timer.stop();
}

void Timer::setRealTicks(bool on)
{
    s_realTicks = on;
}

void Timer::restart()
{
    // Switching off drops whatever was pending; switching on starts a new rhythm from now.
    ++m_generation;
    m_timer.stop();
    m_start = Clock::now();
    m_delivered = 0;
    arm();
}

void Timer::arm()
{
    if (!m_enabled || m_interval <= 0 || !s_realTicks)
        return;
    const auto due = m_start + std::chrono::milliseconds(static_cast<std::int64_t>(m_interval) * (m_delivered + 1));
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now());
    m_timer.start(static_cast<int>(std::max<std::int64_t>(0, wait.count())));
}

void Timer::onTimeout()
{
    const std::uint64_t generation = m_generation;
    ++m_delivered;
    if (m_run)
        m_run();
    // The handler may have switched the timer off and on (a new rhythm already armed) or
    // unloaded its form; only an unchanged timer arms its next tick here.
    if (generation == m_generation && !m_stopped)
        arm();
}

} // namespace rt
