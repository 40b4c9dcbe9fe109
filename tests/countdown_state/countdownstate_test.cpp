// The countdown step: worked examples, counters of 0 or less, a sweep of the whole range, and a start
// that writes the counter alone.
#include "countdown/countdownstate.h"
#include "countdown/startseconds.h"

#include <gtest/gtest.h>

// Failures show texts as text; found by argument-dependent lookup, so it stays in QString's namespace.
static void PrintTo(const QString &text, std::ostream *out)
{
    *out << testing::PrintToString(text.toStdString());
}

namespace {

struct StepRow
{
    int16_t before;
    int16_t after;
    int16_t mm;
    int16_t ss;
    QString cMM;
    QString cSS;
    QString cCtDn;
};

TEST(CountdownStep, WorkedExamplesAndEdges)
{
    const StepRow rows[] = {
        {1200, 1199, 19, 59, QStringLiteral("19"), QStringLiteral("59"), QStringLiteral("19:59")},
        {606, 605, 10, 5, QStringLiteral("10"), QStringLiteral("05"), QStringLiteral("10:05")},
        {601, 600, 10, 0, QStringLiteral("10"), QStringLiteral("00"), QStringLiteral("10:00")},
        {600, 599, 9, 59, QStringLiteral("09"), QStringLiteral("59"), QStringLiteral("09:59")},
        {61, 60, 1, 0, QStringLiteral("01"), QStringLiteral("00"), QStringLiteral("01:00")},
        {60, 59, 0, 59, QStringLiteral("00"), QStringLiteral("59"), QStringLiteral("00:59")},
        {10, 9, 0, 9, QStringLiteral("00"), QStringLiteral("09"), QStringLiteral("00:09")},
        {1, 0, 0, 0, QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("00:00")},
        {6000, 5999, 99, 59, QStringLiteral("99"), QStringLiteral("59"), QStringLiteral("99:59")},
        {6001, 6000, 100, 0, QStringLiteral("100"), QStringLiteral("00"), QStringLiteral("100:00")},
        {32767, 32766, 546, 6, QStringLiteral("546"), QStringLiteral("06"), QStringLiteral("546:06")},
        // Counters of 0 or less stop at 0 and "00:00".
        {0, 0, 0, 0, QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("00:00")},
        {-1, 0, 0, 0, QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("00:00")},
        {-32768, 0, 0, 0, QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("00:00")},
    };
    for (const StepRow &row : rows) {
        SCOPED_TRACE(testing::Message() << "CtDn " << row.before);
        CountdownState state;
        state.CtDn = row.before;
        state.CountdownStep();
        EXPECT_EQ(state.CtDn, row.after);
        EXPECT_EQ(state.mm, row.mm);
        EXPECT_EQ(state.ss, row.ss);
        EXPECT_EQ(state.cMM, row.cMM);
        EXPECT_EQ(state.cSS, row.cSS);
        EXPECT_EQ(state.cCtDn, row.cCtDn);
    }
}

// Every step of the longest countdown, against a time text built independently.
TEST(CountdownStep, LongestCountdownShowsEverySecond)
{
    CountdownState state;
    state.CtDn = 32767;
    for (int left = 32766; left >= 0; --left) {
        state.CountdownStep();
        ASSERT_EQ(state.CtDn, left);
        ASSERT_EQ(state.mm * 60 + state.ss, left);
        ASSERT_EQ(state.cCtDn, QString::asprintf("%02d:%02d", left / 60, left % 60)) << "at " << left;
        ASSERT_EQ(state.cCtDn, state.cMM + u':' + state.cSS);
    }
    state.CountdownStep();
    EXPECT_EQ(state.cCtDn, QStringLiteral("00:00"));
}

TEST(CountdownState, StoringTheCounterChangesNoOtherField)
{
    CountdownState state;
    EXPECT_EQ(state.CtDn, 0);
    EXPECT_TRUE(state.cCtDn.isEmpty());

    state.CtDn = 606;
    state.CountdownStep();
    state.CtDn = 1200;
    EXPECT_EQ(state.mm, 10);
    EXPECT_EQ(state.ss, 5);
    EXPECT_EQ(state.cMM, QStringLiteral("10"));
    EXPECT_EQ(state.cSS, QStringLiteral("05"));
    EXPECT_EQ(state.cCtDn, QStringLiteral("10:05"));

    state.CountdownStep();
    EXPECT_EQ(state.cCtDn, QStringLiteral("19:59"));
}

// A start text whose value is 0 or less ends on the first tick, like any countdown.
TEST(CountdownState, StartAtZeroOrBelowEndsOnTheFirstStep)
{
    const QString texts[] = {QString(), QStringLiteral("abc"), QStringLiteral("0:45"), QStringLiteral("-3"),
                             QStringLiteral("-546.14")};
    for (const QString &text : texts) {
        SCOPED_TRACE(text.toStdString());
        CountdownState state;
        state.CtDn = StartSeconds(text);
        state.CountdownStep();
        EXPECT_EQ(state.CtDn, 0);
        EXPECT_EQ(state.cCtDn, QStringLiteral("00:00"));
    }
}

} // namespace
