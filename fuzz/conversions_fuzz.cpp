// libFuzzer target over the leading number, the start value and the text of a number: no crash, only
// the documented errors, and number texts that read back to themselves.
#include "countdown/startseconds.h"
#include "runtime/conversions.h"
#include "runtime/runtimeerror.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

[[noreturn]] void Fail(const char *what, const QString &text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

std::optional<double> Leading(const QString &text)
{
    try {
        return rt::LeadingNumber(text);
    } catch (const rt::RuntimeError &e) {
        if (e.number() != rt::err::Overflow)
            Fail("LeadingNumber raised an error other than 6", text);
        return std::nullopt;
    }
}

// Every text of a number in range must read back to the same number text.
void CheckRoundTrip(double value)
{
    const QString text = rt::NumberText(value);
    if (!std::isfinite(value) || std::fabs(value) >= 1e15)
        return;
    const std::optional<double> back = Leading(text);
    if (!back)
        Fail("a number text overflowed on reading", text);
    if (rt::NumberText(*back) != text)
        Fail("a number text did not read back", text);
}

void CheckStartSeconds(const QString &text, std::optional<double> minutes)
{
    std::optional<int16_t> seconds;
    try {
        seconds = StartSeconds(text);
    } catch (const rt::RuntimeError &e) {
        if (e.number() != rt::err::Overflow)
            Fail("StartSeconds raised an error other than 6", text);
    }
    // The same value computed plainly: a rounded product in range, or an error.
    std::optional<int16_t> expected;
    if (minutes) {
        const double product = std::nearbyint(*minutes * 60.0);
        if (product >= -32768 && product <= 32767)
            expected = static_cast<int16_t>(product);
    }
    if (seconds != expected)
        Fail("StartSeconds disagrees with the rounded product", text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const std::optional<double> minutes = Leading(text);
    CheckStartSeconds(text, minutes);
    if (minutes)
        CheckRoundTrip(*minutes);

    // The same bytes as a double reach values no text reads to: subnormals, NaNs, infinities.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        CheckRoundTrip(value);
    }
    return 0;
}
