// The paste, put and keystroke figures: the message box and a plain QPlainTextEdit, alternately.
#include "paste.h"

#include "report.h"

#include "runtime/exacttextedit.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <chrono>
#include <vector>

namespace bench {

namespace {

constexpr int Lines = 50000;
constexpr int Runs = 7;
constexpr int Keystrokes = 41;
constexpr double RatioTarget = 1.25;

using Clock = std::chrono::steady_clock;

QString ManyLines(const QString &word)
{
    QString text;
    for (int i = 1; i <= Lines; ++i)
        text += QStringLiteral("%1 %2\r\n").arg(word).arg(i);
    return text;
}

// What the user waits for: the edit itself and the events it leaves pending (layout, scroll bars).
template <typename Edit>
double TimedMs(const Edit &edit)
{
    const Clock::time_point from = Clock::now();
    edit();
    QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

QString Ms(double value)
{
    return QString::number(value, 'f', 2);
}

// A box of the message box's kind and size, shown (offscreen) so that its layout is really done.
void Show(QPlainTextEdit &edit)
{
    edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit.resize(505, 43);
    edit.show();
    QCoreApplication::processEvents();
}

void ToMiddle(QPlainTextEdit &edit)
{
    edit.setTextCursor(QTextCursor(edit.document()->findBlockByNumber(Lines / 2)));
}

struct Medians
{
    double exact = 0;
    double plain = 0;
};

// The same step on the message box and on a plain QPlainTextEdit, alternately, so that a busy
// moment of the machine slows both rather than one. `prepare` runs untimed before each step.
template <typename Prepare, typename Step>
Medians Alternately(rt::ExactTextEdit &exact, QPlainTextEdit &plain, int runs, const Prepare &prepare, const Step &step)
{
    std::vector<double> exactRuns;
    std::vector<double> plainRuns;
    for (int i = 0; i < runs; ++i) {
        prepare(exact);
        exactRuns.push_back(TimedMs([&] { step(exact); }));
        prepare(plain);
        plainRuns.push_back(TimedMs([&] { step(plain); }));
    }
    return {Median(exactRuns), Median(plainRuns)};
}

} // namespace

void PasteFigures()
{
    rt::ExactTextEdit exact(nullptr);
    QPlainTextEdit plain;
    Show(exact);
    Show(plain);
    const QString put = ManyLines(QStringLiteral("put"));
    auto putLines = [&put](QPlainTextEdit &edit) {
        if (auto *box = qobject_cast<rt::ExactTextEdit *>(&edit))
            box->setText(put);
        else
            edit.setPlainText(put);
    };

    // Pasted into the middle of a long put text, where every break after the cursor is still to come.
    const QString pasted = ManyLines(QStringLiteral("line"));
    QApplication::clipboard()->setText(pasted);
    const Medians paste = Alternately(
        exact, plain, Runs,
        [&](QPlainTextEdit &edit) {
            putLines(edit);
            ToMiddle(edit);
        },
        [](QPlainTextEdit &edit) { edit.paste(); });
    qsizetype middle = 0;
    for (int i = 0; i < Lines / 2; ++i)
        middle = put.indexOf(QStringLiteral("\r\n"), middle) + 2;
    // The put breaks as put, the pasted ones as line feeds.
    const QString typed = QString(pasted).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const bool whole = exact.text() == put.left(middle) + typed + put.mid(middle);
    const double ratio = paste.exact / paste.plain;
    Figure("paste_ms", Ms(paste.exact),
           QStringLiteral("pasting %1 lines of \"line N\\r\\n\" from the clipboard into the middle of %1 put lines "
                          "in the message box, median of %2%3")
               .arg(Lines)
               .arg(Runs)
               .arg(whole ? QString() : QStringLiteral("; the text did NOT come back whole")),
           whole && ratio <= RatioTarget);
    Figure("paste_plain_ms", Ms(paste.plain),
           QStringLiteral("the same in a plain QPlainTextEdit, alternately with the message box"), true);
    Figure("paste_ratio", QString::number(ratio, 'f', 2),
           QStringLiteral("the message box's median over the plain edit's; target <= %1").arg(RatioTarget, 0, 'f', 2),
           ratio <= RatioTarget);

    const Medians putting = Alternately(exact, plain, Runs, [](QPlainTextEdit &) {}, putLines);
    Figure("put_lines_ms", Ms(putting.exact),
           QStringLiteral("putting %1 lines of \"put N\\r\\n\" into the message box, median of %2; the plain "
                          "edit's setPlainText() %3; no target")
               .arg(Lines)
               .arg(Runs)
               .arg(Ms(putting.plain)),
           true);

    // One character typed in the middle of the long put text: what every edit costs.
    ToMiddle(exact);
    ToMiddle(plain);
    const Medians keystroke = Alternately(
        exact, plain, Keystrokes, [](QPlainTextEdit &) {}, [](QPlainTextEdit &edit) { QTest::keyClick(&edit, Qt::Key_X); });
    Figure("keystroke_ms", Ms(keystroke.exact),
           QStringLiteral("one character typed in the middle of those lines, median of %1; the plain edit's %2; no target")
               .arg(Keystrokes)
               .arg(Ms(keystroke.plain)),
           true);
}

} // namespace bench
