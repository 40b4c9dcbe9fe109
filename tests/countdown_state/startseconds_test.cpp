// The start value of a start-time text: every row of the behaviour's table, halfway rounding and both
// ends of the range.
#include "countdown/startseconds.h"

#include "runtime/runtimeerror.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Row
{
    QString text;
    std::optional<int16_t> seconds; // none: run-time error 6
};

TEST(StartSeconds, TextToSeconds)
{
    const Row rows[] = {
        {QStringLiteral("20:00"), 1200},
        {QStringLiteral("25:00"), 1500},
        {QStringLiteral("10:30"), 600},
        {QStringLiteral("10"), 600},
        {QStringLiteral("10:0"), 600},
        {QStringLiteral("10:00 "), 600},
        {QStringLiteral("1.5"), 90},
        {QStringLiteral("1e2"), 6000},
        {QStringLiteral(" 7"), 420},
        {QStringLiteral("1 5:00"), 900},
        {QStringLiteral("-3"), -180},
        {QString(), 0},
        {QStringLiteral("abc"), 0},
        {QStringLiteral("0:45"), 0},
        {QStringLiteral("00:00"), 0},
        {QStringLiteral("1e-999"), 0},
        // Halfway products go to the even neighbour.
        {QStringLiteral("0.125"), 8},
        {QStringLiteral("0.375"), 22},
        {QStringLiteral("-0.125"), -8},
        {QStringLiteral("-0.375"), -22},
        // The ends of the range.
        {QStringLiteral("546.12"), 32767},
        {QStringLiteral("546.125"), std::nullopt},
        {QStringLiteral("546.2"), std::nullopt},
        {QStringLiteral("-546.14"), -32768},
        {QStringLiteral("-546.15"), std::nullopt},
        // Overflow in the reading, and in the multiplication by 60 (caught by the flags).
        {QStringLiteral("1e999"), std::nullopt},
        {QStringLiteral("1e308"), std::nullopt},
        {QStringLiteral("-1e308"), std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text.toStdString()));
        try {
            const int16_t seconds = StartSeconds(row.text);
            EXPECT_EQ(std::optional<int16_t>(seconds), row.seconds);
        } catch (const rt::RuntimeError &e) {
            EXPECT_FALSE(row.seconds.has_value()) << "raised " << e.number();
            EXPECT_EQ(e.number(), rt::err::Overflow);
            EXPECT_EQ(e.description(), QStringLiteral("Overflow"));
        }
    }
}

} // namespace
