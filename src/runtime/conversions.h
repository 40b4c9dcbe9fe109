// Conversions between texts and numbers, and the exact text comparison that every text test uses.
#pragma once

#include <QString>
#include <QStringView>

namespace rt {

// The number a text begins with: blanks, tabs and line feeds are skipped wherever they stand, then an
// optional sign, digits with at most one '.' (in every locale) and an optional exponent. No number
// gives 0, so does a number too small for a double; one too large raises error 6 "Overflow".
double LeadingNumber(QStringView text);

// The text of a number: at most 15 significant digits, no trailing zeros, '-' when negative, ASCII
// digits, and the regional decimal separator of the default QLocale. Numbers that need more than 15
// digits before the separator, or are below 0.0001 in size, take an exponent ("1E+16", "1E-05").
QString NumberText(double value);

// Equal only with the same length and the same characters, case counting; nothing is trimmed.
bool SameText(QStringView a, QStringView b);

} // namespace rt
