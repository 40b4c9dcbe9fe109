// Watches a label's caption from the application's own event dispatch: each change is stamped on
// the steady clock within microseconds of the handler setting it, and no timer or event is added
// to the loop whose rhythm is being measured.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

struct Change
{
    Clock::time_point at;
    QString caption;
};

class DisplayWatch
{
public:
    // Returns whether to go on watching.
    using OnChange = std::function<bool(const Change &)>;

    // Starts recording from the caption the label shows now.
    void start(QLabel *label, OnChange onChange = {});
    void stop();
    const std::vector<Change> &changes() const { return m_changes; }

    // Called before and after every event; cheap when nothing changed.
    void check();

private:
    QPointer<QLabel> m_label;
    QString m_last;
    std::vector<Change> m_changes;
    OnChange m_onChange;
};

// The program's QApplication with the watch looked at around every event it delivers. A handler
// that sets the caption and then lets pending events run is seen at the first event it lets run,
// or when its own event returns.
class BenchApplication : public QApplication
{
public:
    BenchApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
    DisplayWatch &watch() { return m_watch; }

private:
    DisplayWatch m_watch;
};

} // namespace bench
