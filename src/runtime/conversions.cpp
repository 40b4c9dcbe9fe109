// Leading number of a text, text of a number, exact text comparison.
#include "conversions.h"

#include "runtimeerror.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace rt {

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Walks a text, stepping over blanks wherever they stand.
class Reader
{
public:
    explicit Reader(QStringView text)
        : m_text(text)
    {
    }

    // The next character that is not a blank; QChar() at the end.
    QChar peek()
    {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : QChar();
    }

    void next() { ++m_pos; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

// Beyond any digit count a text can hold, so a saturated exponent still decides overflow correctly.
constexpr std::int64_t ExponentLimit = 1'000'000'000'000'000;

} // namespace

double LeadingNumber(QStringView text)
{
    Reader in(text);
    // The number's characters without blanks, in the syntax std::from_chars reads (no '+').
    std::string number;

    if (in.peek() == u'-') {
        number += '-';
        in.next();
    } else if (in.peek() == u'+') {
        in.next();
    }

    // The value lies in [10^(place-1), 10^place); only needed to tell overflow from underflow.
    std::int64_t place = 0;
    bool significant = false;
    bool anyDigit = false;
    bool fraction = false;
    for (;;) {
        const QChar c = in.peek();
        if (IsDigit(c)) {
            anyDigit = true;
            significant = significant || c != u'0';
            if (significant && !fraction)
                ++place;
            else if (!significant && fraction)
                --place;
        } else if (c == u'.' && !fraction) {
            fraction = true;
        } else {
            break;
        }
        number += static_cast<char>(c.unicode());
        in.next();
    }
    if (!anyDigit)
        return 0;

    const QChar e = in.peek();
    if (e == u'e' || e == u'E') {
        in.next();
        std::string exponentText = "e";
        if (in.peek() == u'-' || in.peek() == u'+') {
            exponentText += static_cast<char>(in.peek().unicode());
            in.next();
        }
        std::int64_t exponent = 0;
        bool exponentDigit = false;
        while (IsDigit(in.peek())) {
            exponentDigit = true;
            exponent = std::min(exponent * 10 + (in.peek().unicode() - u'0'), ExponentLimit);
            exponentText += static_cast<char>(in.peek().unicode());
            in.next();
        }
        // An 'E' without digits is not part of the number: "1e" and "1e+" read 1.
        if (exponentDigit) {
            number += exponentText;
            place += exponentText[1] == '-' ? -exponent : exponent;
        }
    }

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (place > 0)
            Raise(err::Overflow);
        return 0;
    }
    return result.ec == std::errc() ? value : 0;
}

QString NumberText(double value)
{
    // Also turns -0 into "0".
    if (value == 0)
        return QStringLiteral("0");

    // Formatted without locale: a regional minus sign, digits or grouping would not read back.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    text.replace(u'e', u'E');
    text.replace(u'.', QLocale().decimalPoint());
    return text;
}

bool SameText(QStringView a, QStringView b)
{
    return a == b;
}

} // namespace rt
