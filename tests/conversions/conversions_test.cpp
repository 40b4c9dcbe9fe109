// Leading number, text of a number and exact comparison, each as a table, under point and comma locales.
#include "runtime/conversions.h"
#include "runtime/runtimeerror.h"

#include <QElapsedTimer>
#include <QLocale>

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <string>
#include <vector>

// Failures show texts as text; found by argument-dependent lookup, so it stays in QString's namespace.
static void PrintTo(const QString &text, std::ostream *out)
{
    *out << testing::PrintToString(text.toStdString());
}

namespace {

// Sets the C library's locale and Qt's default locale for one scope, then puts both back.
class ScopedLocale
{
public:
    ScopedLocale(const char *cName, const QLocale &qtLocale)
        : m_cName(std::setlocale(LC_ALL, nullptr))
        , m_qtLocale(QLocale())
    {
        m_ok = std::setlocale(LC_ALL, cName) != nullptr;
        QLocale::setDefault(qtLocale);
    }
    ~ScopedLocale()
    {
        std::setlocale(LC_ALL, m_cName.c_str());
        QLocale::setDefault(m_qtLocale);
    }
    Q_DISABLE_COPY(ScopedLocale)

    bool ok() const { return m_ok; }

private:
    std::string m_cName;
    QLocale m_qtLocale;
    bool m_ok = false;
};

ScopedLocale PointLocale()
{
    return {"C", QLocale(QLocale::English, QLocale::UnitedStates)};
}

std::string Shown(QStringView text)
{
    const std::string s = text.toString().toStdString();
    return testing::PrintToString(s.size() > 40 ? s.substr(0, 40) + "..." : s);
}

struct NumberRow
{
    QString text;
    double number;
};

void ExpectNumbers(const std::vector<NumberRow> &rows)
{
    for (const NumberRow &row : rows) {
        SCOPED_TRACE(Shown(row.text));
        EXPECT_EQ(rt::LeadingNumber(row.text), row.number);
    }
}

int ErrorOf(QStringView text)
{
    try {
        rt::LeadingNumber(text);
    } catch (const rt::RuntimeError &e) {
        EXPECT_EQ(e.description(), QStringLiteral("Overflow"));
        return e.number();
    }
    return 0;
}

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith)
{
    ExpectNumbers({
        {QStringLiteral("20:00"), 20},
        {QStringLiteral("1.5"), 1.5},
        {QStringLiteral("-3"), -3},
        {QStringLiteral(" 7"), 7},
        {QStringLiteral("1 5:00"), 15},
        {QStringLiteral("1e2"), 100},
        {QStringLiteral("abc"), 0},
        {QString(), 0},
        {QStringLiteral(""), 0},
        {QStringLiteral(".5"), 0.5},
        {QStringLiteral("-.5"), -0.5},
        {QStringLiteral("1."), 1},
        {QStringLiteral("."), 0},
        {QStringLiteral("1.2.3"), 1.2},
        {QStringLiteral("1,5"), 1},
        {QStringLiteral("5x"), 5},
        {QStringLiteral("007"), 7},
        {QStringLiteral("-"), 0},
        {QStringLiteral("+7"), 7},
        {QStringLiteral("+-1"), 0},
        {QStringLiteral("--1"), 0},
        {QStringLiteral("1e"), 1},
        {QStringLiteral("1e+"), 1},
        {QStringLiteral("1e-"), 1},
        {QStringLiteral("1E-2"), 0.01},
        {QStringLiteral("5.e3"), 5000},
        {QStringLiteral("e5"), 0},
        {QStringLiteral(".e5"), 0},
        {QStringLiteral("1e2e3"), 100},
        {QStringLiteral("  -  3"), -3},
        {QStringLiteral("\t\n7"), 7},
        {QStringLiteral("1 . 5"), 1.5},
        {QStringLiteral("1 e 2"), 100},
        {QStringLiteral("\r7"), 0},
        {QStringLiteral("\u00A07"), 0},
        {QStringLiteral("\uFF17"), 0},
        {QStringLiteral("&H10"), 0},
        {QStringLiteral("&O7"), 0},
        {QStringLiteral("0x10"), 0},
        {QStringLiteral("1e-999"), 0},
        {QStringLiteral("-1e-999"), 0},
        {QStringLiteral("1e-99999999999999999999999"), 0},
        {QStringLiteral("1e-310"), 1e-310},
        {QStringLiteral("1.7976931348623157e308"), DBL_MAX},
    });
}

TEST(LeadingNumber, LongDigitRunsKeepTheirValue)
{
    ExpectNumbers({
        {QString(400, u'9') + QStringLiteral("e-400"), 1},
        {QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1e400"), 0.1},
        {QStringLiteral("1") + QString(400, u'0') + QStringLiteral("e-400"), 1},
        {QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1"), 0},
    });
}

TEST(LeadingNumber, BeyondDoubleRangeRaisesOverflow)
{
    const QString texts[] = {
        QStringLiteral("1e999"),
        QStringLiteral("-1e999"),
        QStringLiteral("1.8e308"),
        QStringLiteral("0001e309"),
        QStringLiteral("0.001e312"),
        QStringLiteral("1e99999999999999999999999"),
        QString(400, u'9'),
    };
    for (const QString &text : texts) {
        SCOPED_TRACE(Shown(text));
        EXPECT_EQ(ErrorOf(text), rt::err::Overflow);
    }
}

TEST(LeadingNumber, MegabyteTextsAreReadInLinearTime)
{
    constexpr qsizetype Megabyte = 1 << 20;
    struct Row
    {
        const char *name;
        QString text;
        double number;
        int error;
    };
    const Row rows[] = {
        {"blanks then 5", QString(Megabyte, u' ') + u'5', 5, 0},
        {"zeros then 5", QString(Megabyte, u'0') + u'5', 5, 0},
        {"5 then blanks and digits mixed", QStringLiteral("5") + QStringLiteral(" 0").repeated(Megabyte / 2) + QStringLiteral("e-524288"), 5, 0},
        {"0. then zeros then 1", QStringLiteral("0.") + QString(Megabyte, u'0') + u'1', 0, 0},
        {"1 then zeros", u'1' + QString(Megabyte, u'0'), 0, rt::err::Overflow},
        {"letters", QString(Megabyte, u'x'), 0, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QElapsedTimer clock;
        clock.start();
        if (row.error != 0)
            EXPECT_EQ(ErrorOf(row.text), row.error);
        else
            EXPECT_EQ(rt::LeadingNumber(row.text), row.number);
        // A quadratic reading takes hours here; a linear one milliseconds.
        EXPECT_LT(clock.elapsed(), 5000);
    }
}

TEST(LeadingNumber, DecimalPointInEveryLocale)
{
    const ScopedLocale german("de_DE.UTF-8", QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(german.ok()) << "de_DE.UTF-8 is missing (locales-all)";
    EXPECT_EQ(rt::LeadingNumber(u"1.5"), 1.5);
    EXPECT_EQ(rt::LeadingNumber(u"1,5"), 1);
}

struct TextRow
{
    const char *name;
    double value;
    QString point;
    QString comma;
};

const TextRow TextRows[] = {
    {"whole", 19, QStringLiteral("19"), QStringLiteral("19")},
    {"zero", 0, QStringLiteral("0"), QStringLiteral("0")},
    {"negative zero", -0.0, QStringLiteral("0"), QStringLiteral("0")},
    {"minus one", -1, QStringLiteral("-1"), QStringLiteral("-1")},
    {"fraction", 1.5, QStringLiteral("1.5"), QStringLiteral("1,5")},
    {"negative fraction below 1", -0.5, QStringLiteral("-0.5"), QStringLiteral("-0,5")},
    {"0.1 + 0.2 at 15 digits", 0.1 + 0.2, QStringLiteral("0.3"), QStringLiteral("0,3")},
    {"one third", 1.0 / 3, QStringLiteral("0.333333333333333"), QStringLiteral("0,333333333333333")},
    {"two thirds round up", 2.0 / 3, QStringLiteral("0.666666666666667"), QStringLiteral("0,666666666666667")},
    {"no grouping", -1234567, QStringLiteral("-1234567"), QStringLiteral("-1234567")},
    {"15 digits plain", 123456789012345, QStringLiteral("123456789012345"), QStringLiteral("123456789012345")},
    {"15 digits with fraction", 1234.56789012345, QStringLiteral("1234.56789012345"), QStringLiteral("1234,56789012345")},
    {"small plain", 0.0001, QStringLiteral("0.0001"), QStringLiteral("0,0001")},
    {"16 digits", 1e16, QStringLiteral("1E+16"), QStringLiteral("1E+16")},
    {"rounds to 16 digits", 999999999999999.9, QStringLiteral("1E+15"), QStringLiteral("1E+15")},
    {"tiny", -1.5e-20, QStringLiteral("-1.5E-20"), QStringLiteral("-1,5E-20")},
};

TEST(NumberText, PointLocale)
{
    const ScopedLocale point = PointLocale();
    for (const TextRow &row : TextRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(rt::NumberText(row.value), row.point);
        // What the pop-up's count relies on: the text reads back to the same text.
        EXPECT_EQ(rt::NumberText(rt::LeadingNumber(row.point)), row.point);
    }
}

TEST(NumberText, CommaLocale)
{
    const ScopedLocale german("de_DE.UTF-8", QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(german.ok()) << "de_DE.UTF-8 is missing (locales-all)";
    for (const TextRow &row : TextRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(rt::NumberText(row.value), row.comma);
    }
}

// Regional minus signs, digits and group separators would make the text unreadable as a number.
TEST(NumberText, OnlyTheDecimalSeparatorIsRegional)
{
    const QLocale locales[] = {
        QLocale(QLocale::Swedish, QLocale::Sweden),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Persian, QLocale::Iran),
        QLocale(QLocale::German, QLocale::Switzerland),
    };
    for (const QLocale &locale : locales) {
        SCOPED_TRACE(locale.name().toStdString());
        const ScopedLocale scoped("C", locale);
        EXPECT_EQ(rt::NumberText(-1234.5), QStringLiteral("-1234") + locale.decimalPoint() + u'5');
        EXPECT_EQ(rt::NumberText(-1234567), QStringLiteral("-1234567"));
    }
}

TEST(SameText, OnlyIdenticalTextsAreEqual)
{
    struct Row
    {
        QString a;
        QString b;
        bool same;
    };
    const Row rows[] = {
        {QStringLiteral("10:00"), QStringLiteral("10:00"), true},
        {QStringLiteral("10:00 "), QStringLiteral("10:00"), false},
        {QStringLiteral(" 10:00"), QStringLiteral("10:00"), false},
        {QStringLiteral("010:00"), QStringLiteral("10:00"), false},
        {QStringLiteral("10"), QStringLiteral("10:00"), false},
        {QStringLiteral("0"), QStringLiteral("0.0"), false},
        {QStringLiteral("main"), QStringLiteral("Main"), false},
        {QString(), QStringLiteral(""), true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(Shown(row.a) + " vs " + Shown(row.b));
        EXPECT_EQ(rt::SameText(row.a, row.b), row.same);
        EXPECT_EQ(rt::SameText(row.b, row.a), row.same);
    }
}

} // namespace
