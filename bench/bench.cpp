// Benchmark of the timer, one line per figure: the countdown's drift idle and under load, its
// recovery after a blocked event loop, the real program's start-up time against a bare Qt window's
// and its peak memory, the cost of one tick, and the message box's paste and keystroke on long texts.
// Usage: tavrin-bench [drift|recovery|startup|tick|paste]; all of them when none is given.
#include "busyload.h"
#include "displaywatch.h"
#include "paste.h"
#include "report.h"

#include "art/pictures.h"
#include "countdown/main_window.h"
#include "runtime/dispatch.h"
#include "runtime/fonts.h"
#include "runtime/forms.h"
#include "runtime/timer.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

#include <sys/resource.h>

namespace {

using bench::Change;
using bench::Clock;
using bench::Figure;

double Millis(Clock::duration span)
{
    return std::chrono::duration<double, std::milli>(span).count();
}

QString Fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString Signed(double value, int decimals)
{
    return (value >= 0 ? QStringLiteral("+") : QString()) + Fixed(value, decimals);
}

void Note(const QString &text)
{
    std::printf("# %s\n", qUtf8Printable(text));
    std::fflush(stdout);
}

QString LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QList<QByteArray> fields = file.readAll().split(' ');
    return fields.size() >= 3 ? QString::fromLatin1(fields[0] + ' ' + fields[1] + ' ' + fields[2]) : QStringLiteral("unknown");
}

bench::DisplayWatch &Watch()
{
    return static_cast<bench::BenchApplication *>(QCoreApplication::instance())->watch();
}

QString TimeText(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60, 2, 10, QLatin1Char('0')).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// What the display shows through a countdown of `seconds`, tick by tick.
std::vector<QString> ExpectedTexts(int seconds)
{
    std::vector<QString> texts;
    for (int left = seconds - 1; left >= 0; --left)
        texts.push_back(TimeText(left));
    return texts;
}

int s_errors = 0;

// Ends the program's event loop as a user does: a click on the Exit picture. Looked up among the
// loaded forms, because reaching the window by name would load a fresh one.
void ClickExit()
{
    for (rt::Form &form : rt::Forms()) {
        if (auto *window = dynamic_cast<main_ *>(&form))
            QTest::mouseClick(window->Image11.widget(), Qt::LeftButton);
    }
}

struct CountdownRun
{
    Clock::time_point click;
    std::vector<Change> changes;
    bool ended = false;  // "00:00" shown before the watchdog fired
};

// The program as its entry starts it, with real ticks: the start text typed, Start clicked once the
// loop runs, Exit clicked once the display shows "00:00". `afterClick` arms side work such as the
// loop block, timed from the click.
CountdownRun RunCountdown(const QString &startText, int seconds,
                          const std::function<void(Clock::time_point)> &afterClick = {})
{
    rt::Timer::setRealTicks(true);
    CountdownRun run;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { ClickExit(); });

    rt::Dispatch([] { forms::main().Show(); });
    QTimer::singleShot(0, [&] {
        main_ &window = forms::main();
        window.Text1.setText(startText);
        Watch().start(window.Label3.widget(), [&run](const Change &change) {
            if (change.caption != QLatin1String("00:00"))
                return true;
            run.ended = true;
            // Not from inside the watch: the click waits for the tick's event to finish. What the
            // label holds while its window is unloaded is no longer on the display.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [] { ClickExit(); }, Qt::QueuedConnection);
            return false;
        });
        run.click = Clock::now();
        QTest::mouseClick(window.Image8.widget(), Qt::LeftButton);
        if (afterClick)
            afterClick(run.click);
        watchdog.start((seconds + 15) * 1000);
    });
    rt::Run();
    run.changes = Watch().changes();
    Watch().stop();
    return run;
}

// ---- drift -----------------------------------------------------------------------------------

void ReportDrift(const char *name, const CountdownRun &run, const QString &loadNote)
{
    constexpr int Seconds = 60;
    const std::vector<QString> expected = ExpectedTexts(Seconds);
    std::vector<QString> shown;
    for (const Change &change : run.changes)
        shown.push_back(change.caption);
    if (!run.ended || run.changes.size() < Seconds) {
        Figure(name, QStringLiteral("n/a"),
               QStringLiteral("the countdown showed %1 of %2 texts before the watchdog%3")
                   .arg(run.changes.size()).arg(Seconds).arg(loadNote),
               false);
        return;
    }
    const double drift = Millis(run.changes[Seconds - 1].at - run.click) - Seconds * 1000.0;
    double worstLate = 0;
    for (std::size_t i = 0; i < run.changes.size(); ++i)
        worstLate = std::max(worstLate, Millis(run.changes[i].at - run.click) - static_cast<double>(i + 1) * 1000.0);
    const bool texts = shown == expected;
    Figure(name, Signed(drift, 2),
           QStringLiteral("Start click to the 60th display change, less 60 s; latest tick %1 ms after its second%2%3; "
                          "target within +-10")
               .arg(Fixed(worstLate, 2), texts ? QString() : QStringLiteral("; display texts NOT as expected"), loadNote),
           std::abs(drift) <= 10.0 && texts);
}

void DriftFigures()
{
    ReportDrift("drift_idle_ms", RunCountdown(QStringLiteral("1"), 60), QString());

    const int cores = bench::UsableCores();
    CountdownRun run;
    double coresBusy = 0;
    int started = 0;
    int stillRunning = 0;
    {
        // 150 s of CPU each: far beyond the run, a bound if the kill below never happens.
        bench::BusyLoad load(cores, 150);
        started = load.running();
        const double cpuBefore = load.cpuSeconds();
        const Clock::time_point from = Clock::now();
        run = RunCountdown(QStringLiteral("1"), 60);
        coresBusy = (load.cpuSeconds() - cpuBefore) / (Millis(Clock::now() - from) / 1000.0);
        stillRunning = load.running();
    }
    ReportDrift("drift_loaded_ms", run,
                QStringLiteral("; %1 busy processes for %2 cores, %3 still running at the end, %4 cores' worth of CPU used by them")
                    .arg(started).arg(cores).arg(stillRunning).arg(Fixed(coresBusy, 2)));
}

// ---- recovery --------------------------------------------------------------------------------

void RecoveryFigure()
{
    // Half a minute: the block lands mid-countdown and every second's text can still be checked.
    constexpr int Seconds = 30;
    // A quarter second past a tick, so the block neither races a tick nor ends on one.
    constexpr int BlockAfterMs = 10250;
    constexpr int BlockMs = 3500;
    Clock::time_point blockStart;
    Clock::time_point blockEnd;
    const CountdownRun run = RunCountdown(QStringLiteral("0.5"), Seconds, [&](Clock::time_point) {
        QTimer::singleShot(BlockAfterMs, Qt::PreciseTimer, QCoreApplication::instance(), [&] {
            blockStart = Clock::now();
            const Clock::time_point until = blockStart + std::chrono::milliseconds(BlockMs);
            while (Clock::now() < until) {
            }
            blockEnd = Clock::now();
        });
    });

    const std::vector<QString> expected = ExpectedTexts(Seconds);
    std::vector<QString> shown;
    for (const Change &change : run.changes)
        shown.push_back(change.caption);
    int skipped = 0;
    for (const QString &text : expected)
        skipped += std::count(shown.begin(), shown.end(), text) == 0 ? 1 : 0;
    const bool onceInOrder = shown == expected;

    // Ticks a display text stands for; the wall clock's count is the whole seconds since Start.
    auto ticksShown = [&](const QString &caption) {
        const auto found = std::find(expected.begin(), expected.end(), caption);
        return found == expected.end() ? -1 : static_cast<int>(found - expected.begin()) + 1;
    };
    auto ticksDue = [&](Clock::time_point at) { return static_cast<int>(std::floor(Millis(at - run.click) / 1000.0)); };

    if (blockEnd == Clock::time_point{} || !run.ended) {
        Figure("recovery_ms", QStringLiteral("n/a"),
               QStringLiteral("the countdown or the block did not complete (%1 of %2 texts)").arg(shown.size()).arg(Seconds),
               false);
    } else {
        int shownAtEnd = 0;
        std::optional<double> matchedAfter;
        QStringList catchUp;
        int laterWrong = 0;
        for (const Change &change : run.changes) {
            if (change.at < blockEnd) {
                shownAtEnd = ticksShown(change.caption);
                continue;
            }
            const bool right = ticksShown(change.caption) == ticksDue(change.at);
            if (!matchedAfter) {
                catchUp << QStringLiteral("%1 at +%2 ms").arg(change.caption, Fixed(Millis(change.at - blockEnd), 2));
                if (right)
                    matchedAfter = Millis(change.at - blockEnd);
            } else if (!right) {
                ++laterWrong;
            }
        }
        const int missed = ticksDue(blockEnd) - shownAtEnd;
        Figure("recovery_ms", matchedAfter ? Fixed(*matchedAfter, 2) : QStringLiteral("n/a"),
               QStringLiteral("loop blocked %1 ms from %2 s after Start; %3 ticks fell due in the block; after it: %4; "
                              "%5 later texts off the wall clock; target <= 1000")
                   .arg(Fixed(Millis(blockEnd - blockStart), 1), Fixed(Millis(blockStart - run.click) / 1000.0, 3))
                   .arg(missed)
                   .arg(catchUp.join(QStringLiteral(", ")))
                   .arg(laterWrong),
               matchedAfter && *matchedAfter <= 1000.0 && laterWrong == 0);
    }
    Figure("recovery_skipped_texts", QString::number(skipped),
           QStringLiteral("%1 texts shown for %2 seconds, %3; target 0")
               .arg(shown.size())
               .arg(Seconds)
               .arg(onceInOrder ? QStringLiteral("each once, in order") : QStringLiteral("NOT each once in order")),
           skipped == 0 && onceInOrder);
}

// ---- start-up --------------------------------------------------------------------------------

struct StartupRun
{
    std::optional<double> shownMs;
    double peakRssMb = 0;
    QString problem;
};

double VmHwmMb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// One start of an executable whose window is named "main". Qt's own painting log names every
// top-level window it flushes to the screen; the first flush of that window is the moment it is
// shown. Qt stamps its log lines on the monotonic clock, the steady clock here, so the stamp is read
// against the moment just before the spawn; the line's arrival at the bench is the cross-check.
StartupRun StartOnce(const QString &program, const QString &platform)
{
    StartupRun result;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.widgets.painting=true"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{time boot}|%{message}"));
    process.setProcessEnvironment(environment);
    process.setProgram(program);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setReadChannel(QProcess::StandardError);

    const Clock::time_point spawn = Clock::now();
    process.start();
    if (!process.waitForStarted(5000)) {
        result.problem = QStringLiteral("could not start %1").arg(process.program());
        return result;
    }
    std::optional<double> stampMs;
    std::optional<Clock::time_point> arrival;
    while (!arrival) {
        if (!process.canReadLine() && !process.waitForReadyRead(10000))
            break;
        while (process.canReadLine()) {
            const QByteArray line = process.readLine();
            if (line.contains("Flushing QRegion") && line.contains("name=\"main\"")) {
                arrival = Clock::now();
                bool ok = false;
                const double seconds = line.left(line.indexOf('|')).trimmed().toDouble(&ok);
                if (ok)
                    stampMs = seconds * 1000.0;
                break;
            }
        }
    }
    if (arrival)
        result.peakRssMb = VmHwmMb(process.processId());
    process.kill();
    process.waitForFinished(5000);
    if (!arrival) {
        result.problem = QStringLiteral("no flush of the window \"main\" seen");
        return result;
    }
    const double spawnMs = Millis(spawn.time_since_epoch());
    const double arrivalMs = Millis(arrival->time_since_epoch());
    // Qt's stamp is cut to whole milliseconds; outside that, it is not the clock taken to be.
    if (stampMs && *stampMs >= spawnMs - 1.0 && *stampMs <= arrivalMs + 1.0) {
        result.shownMs = std::max(0.0, *stampMs - spawnMs);
    } else {
        result.shownMs = arrivalMs - spawnMs;
        result.problem = QStringLiteral("log stamp unusable, arrival time taken");
    }
    return result;
}

// The runs of one executable: the times to its window's first flush, the worst peak memory and the
// last problem seen.
struct StartupSeries
{
    std::vector<double> shown;
    double worstRssMb = 0;
    QString problem;

    void add(const StartupRun &run)
    {
        if (run.shownMs)
            shown.push_back(*run.shownMs);
        worstRssMb = std::max(worstRssMb, run.peakRssMb);
        if (!run.problem.isEmpty())
            problem = run.problem;
    }

    double median() const { return bench::Median(shown); }

    QString spread() const
    {
        const auto [best, worst] = std::minmax_element(shown.begin(), shown.end());
        return QStringLiteral("median of %1 runs, first %2, best %3, worst %4%5")
            .arg(shown.size())
            .arg(Fixed(shown.front(), 1), Fixed(*best, 1), Fixed(*worst, 1),
                 problem.isEmpty() ? QString() : QStringLiteral("; ") + problem);
    }
};

// The started programs run on the platform the bench was given (QT_QPA_PLATFORM=xcb with a DISPLAY
// times them on a real X server, to the first flush after the window is mapped); offscreen otherwise.
void StartupFigures(const QString &platform)
{
    // The program and the bare window started alternately, so both meet the same machine: a busy
    // moment slows both rather than one.
    constexpr int Runs = 30;
    constexpr double RatioTarget = 1.25;
    constexpr double RssTargetMb = 40;
    const QString program = QString::fromUtf8(TAVRIN_TIMER_EXE);
    const QString bare = QString::fromUtf8(TAVRIN_BARE_WINDOW_EXE);
    // TAVRIN_BENCH_EARLIER names another build of the program (an earlier commit's, say), started in
    // turn with the two, so that a change is measured before and after on the same machine at once.
    const QString earlier = qEnvironmentVariable("TAVRIN_BENCH_EARLIER");
    const QString loadBefore = LoadAverage();
    StartupSeries programRuns;
    StartupSeries bareRuns;
    StartupSeries earlierRuns;
    for (int i = 0; i < Runs; ++i) {
        bareRuns.add(StartOnce(bare, platform));
        if (!earlier.isEmpty())
            earlierRuns.add(StartOnce(earlier, platform));
        programRuns.add(StartOnce(program, platform));
    }
    const QString loadAfter = LoadAverage();

    if (programRuns.shown.empty() || bareRuns.shown.empty()) {
        Figure("startup_ms", QStringLiteral("n/a"),
               QStringLiteral("%1; real program: %2; bare window: %3")
                   .arg(platform, programRuns.problem, bareRuns.problem),
               false);
    } else {
        const double ratio = programRuns.median() / bareRuns.median();
        Figure("startup_ms", Fixed(programRuns.median(), 1),
               QStringLiteral("spawn of the real program to its window's first flush, %1; %2")
                   .arg(platform, programRuns.spread()),
               ratio <= RatioTarget);
        Figure("startup_bare_ms", Fixed(bareRuns.median(), 1),
               QStringLiteral("the same for a bare Qt window of the same size with a three-entry menu bar, "
                              "started alternately with the program; %1")
                   .arg(bareRuns.spread()),
               true);
        Figure("startup_ratio", Fixed(ratio, 2),
               QStringLiteral("the program's median over the bare window's, same run; load average %1 before "
                              "the runs, %2 after; target <= %3")
                   .arg(loadBefore, loadAfter, Fixed(RatioTarget, 2)),
               ratio <= RatioTarget);
        if (!earlierRuns.shown.empty()) {
            Figure("startup_earlier_ms", Fixed(earlierRuns.median(), 1),
                   QStringLiteral("the same for %1, started in turn with the two; ratio to the bare window %2, "
                                  "peak memory %3 MB; %4")
                       .arg(earlier, Fixed(earlierRuns.median() / bareRuns.median(), 2),
                            Fixed(earlierRuns.worstRssMb, 1), earlierRuns.spread()),
                   true);
        } else if (!earlier.isEmpty()) {
            Figure("startup_earlier_ms", QStringLiteral("n/a"), QStringLiteral("%1: %2").arg(earlier, earlierRuns.problem),
                   false);
        }
    }
    Figure("peak_rss_mb", Fixed(programRuns.worstRssMb, 1),
           QStringLiteral("VmHWM of the real program when its window is shown, worst of %1 runs; the bare "
                          "window's %2; target < %3")
               .arg(Runs)
               .arg(Fixed(bareRuns.worstRssMb, 1), Fixed(RssTargetMb, 0)),
           programRuns.worstRssMb > 0 && programRuns.worstRssMb < RssTargetMb);

    // The pictures' share of the start-up: loaded from the embedded resources at their first use.
    // Only meaningful while nothing in this process has used them yet.
    const Clock::time_point from = Clock::now();
    const qint64 pixels = art::Background().sizeInBytes() + art::StartButton().sizeInBytes() + art::StopButton().sizeInBytes()
                          + art::SettingsButton().sizeInBytes() + art::ExitButton().sizeInBytes()
                          + art::GreenLamp().sizeInBytes() + art::YellowLamp().sizeInBytes()
                          + art::RedLamp().sizeInBytes() + art::GreyBar().sizeInBytes() + art::Hourglass().sizeInBytes();
    const double loading = Millis(Clock::now() - from);
    Figure("startup_pictures_ms", Fixed(loading, 2),
           QStringLiteral("loading the ten embedded pictures (%1 KiB) at their first use, timed inside the bench; "
                          "part of start-up, no target of its own")
               .arg(pixels / 1024),
           true);
}

// ---- tick ------------------------------------------------------------------------------------

void TickFigures()
{
    constexpr int Ticks = 1200;
    rt::Timer::setRealTicks(false);
    std::vector<std::pair<double, QString>> costs;
    bool popupShown = false;
    rt::Dispatch([] { forms::main().Show(); });
    QTimer::singleShot(0, [&costs, &popupShown] {
        main_ &window = forms::main();
        window.Text1.setText(QStringLiteral("20:00"));
        QTest::mouseClick(window.Image8.widget(), Qt::LeftButton);
        for (int i = 0; i < Ticks; ++i) {
            const Clock::time_point from = Clock::now();
            const bool delivered = window.Timer1.deliverTick();
            const Clock::time_point to = Clock::now();
            if (!delivered)
                break;
            costs.emplace_back(Millis(to - from), window.Label3.Caption());
            if (costs.back().second == QLatin1String("10:00"))
                popupShown = rt::LoadedFormCount() == 2;
        }
        ClickExit();
    });
    rt::Run();
    rt::Timer::setRealTicks(true);

    if (costs.size() != Ticks || costs.back().second != QLatin1String("00:00")) {
        Figure("tick_median_ms", QStringLiteral("n/a"),
               QStringLiteral("%1 of %2 ticks delivered, display not at 00:00").arg(costs.size()).arg(Ticks), false);
        return;
    }
    std::vector<double> times;
    for (const auto &cost : costs)
        times.push_back(cost.first);
    const double median = bench::Median(times);
    const auto worst = std::max_element(costs.begin(), costs.end());
    std::pair<double, QString> worstOther{0, QString()};
    double popupTick = 0;
    for (const auto &cost : costs) {
        if (cost.second == QLatin1String("10:00"))
            popupTick = cost.first;
        else if (cost.first > worstOther.first)
            worstOther = cost;
    }
    Figure("tick_median_ms", Fixed(median, 3),
           QStringLiteral("%1 ticks through the hook from 20:00, each with its repaint and pending events; no target").arg(Ticks),
           true);
    const QString popup = popupShown ? QStringLiteral("loads and shows the message pop-up")
                                     : QStringLiteral("should show the message pop-up, which did NOT appear");
    Figure("tick_worst_ms", Fixed(worst->first, 3),
           QStringLiteral("at \"%1\"%2; the \"10:00\" tick, which %3, took %4; no target")
               .arg(worst->second,
                    worst->second == QLatin1String("10:00") ? QStringLiteral(", the pop-up tick") : QString(), popup,
                    Fixed(popupTick, 3)),
           popupShown);
    Figure("tick_worst_other_ms", Fixed(worstOther.first, 3),
           QStringLiteral("worst of the ticks other than \"10:00\", at \"%1\"; no target").arg(worstOther.second), true);
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList figures{QStringLiteral("startup"), QStringLiteral("tick"), QStringLiteral("drift"),
                              QStringLiteral("recovery"), QStringLiteral("paste")};
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argc > 2 || (!only.isEmpty() && !figures.contains(only))) {
        std::fprintf(stderr, "usage: tavrin-bench [drift|recovery|startup|tick|paste]\n");
        return 2;
    }
    auto wanted = [&only](const QString &figure) { return only.isEmpty() || only == figure; };

    const QString givenPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString startPlatform = givenPlatform.isEmpty() ? QStringLiteral("offscreen") : givenPlatform;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the program's entry: only the program name reaches the toolkit, no quit on a hidden window,
    // the windows' font as the application's.
    int toolkitArguments = 1;
    bench::BenchApplication application(toolkitArguments, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin Activity Timer"));
    QApplication::setQuitOnLastWindowClosed(false);
    rt::UseDefaultFontForApplication();
    rt::SetErrorReporter([](const rt::RuntimeError &error) {
        ++s_errors;
        std::fprintf(stderr, "tavrin-bench: run-time error %d: %s\n", error.number(), qUtf8Printable(error.description()));
    });

    Note(QStringLiteral("%1 usable cores, load average %2 at start").arg(bench::UsableCores()).arg(LoadAverage()));
    // Start-up first, while no picture has been painted in this process.
    if (wanted(QStringLiteral("startup")))
        StartupFigures(startPlatform);
    if (wanted(QStringLiteral("tick")))
        TickFigures();
    if (wanted(QStringLiteral("drift")))
        DriftFigures();
    if (wanted(QStringLiteral("recovery")))
        RecoveryFigure();
    if (wanted(QStringLiteral("paste")))
        bench::PasteFigures();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    Note(QStringLiteral("load average %1 at end; bench peak RSS %2 MB; %3 run-time errors")
             .arg(LoadAverage(), Fixed(static_cast<double>(usage.ru_maxrss) / 1024.0, 1))
             .arg(s_errors));
    return 0;
}
