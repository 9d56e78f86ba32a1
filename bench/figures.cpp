#include "figures.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

void require(bool holds, const char *what, const QString &detail)
{
    if (holds)
        return;
    if (detail.isEmpty())
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, what);
    else
        std::fprintf(stderr, "%s: %s %s\n", program_invocation_short_name, what,
                     qPrintable(detail));
    std::exit(1);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void print(const char *key, double value)
{
    std::printf("%s %.3f\n", key, value);
}
