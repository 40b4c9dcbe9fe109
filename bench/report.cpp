#include "report.h"

#include <algorithm>
#include <cstdio>

namespace bench {

void Figure(const char *name, const QString &value, const QString &detail, bool met)
{
    std::printf("%s: %s (%s)%s\n", name, qUtf8Printable(value), qUtf8Printable(detail), met ? "" : "  MISSED");
    std::fflush(stdout);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace bench
