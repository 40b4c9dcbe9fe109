// The caption watch and the application that looks at it around every event.
#include "displaywatch.h"

namespace bench {

void DisplayWatch::start(QLabel *label, OnChange onChange)
{
    m_label = label;
    m_last = label ? label->text() : QString();
    m_changes.clear();
    m_onChange = std::move(onChange);
}

void DisplayWatch::stop()
{
    m_label = nullptr;
    m_onChange = {};
}

void DisplayWatch::check()
{
    if (!m_label)
        return;
    // Stamped first, so the comparison's cost is not counted against the tick.
    const Clock::time_point now = Clock::now();
    const QString caption = m_label->text();
    if (caption == m_last)
        return;
    m_last = caption;
    m_changes.push_back({now, caption});
    // The callback is kept, not cleared, as it may be the caller still running.
    if (m_onChange && !m_onChange(m_changes.back()))
        m_label = nullptr;
}

BenchApplication::BenchApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool BenchApplication::notify(QObject *receiver, QEvent *event)
{
    m_watch.check();
    const bool handled = QApplication::notify(receiver, event);
    m_watch.check();
    return handled;
}

} // namespace bench
