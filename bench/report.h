// How the bench reports: one line per figure, and the median its figures are taken as.
#pragma once

#include <QString>

#include <vector>

namespace bench {

// Prints "name: value (detail)", marked MISSED where the figure misses its target.
void Figure(const char *name, const QString &value, const QString &detail, bool met);

double Median(std::vector<double> values);

} // namespace bench
