#include "raster/LineRuns.h"

#include <algorithm>
#include <cstdlib>

namespace garabel {

namespace {

// Nearest whole number to num / den (den > 0), a tie going towards zero.
long long nearestTowardsZero(long long num, long long den)
{
    const long long q = (2 * std::llabs(num) + den - 1) / (2 * den);
    return num < 0 ? -q : q;
}

} // namespace

std::vector<QRect> lineRuns(QPoint a, QPoint b, const QRect &window)
{
    std::vector<QRect> runs;
    const bool alongX = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    // Major: the direction stepped one pixel at a time; minor: the one rounded.
    const auto major = [alongX](QPoint p) { return alongX ? p.x() : p.y(); };
    const auto minor = [alongX](QPoint p) { return alongX ? p.y() : p.x(); };
    const auto pixel = [alongX](int m, int n) { return alongX ? QPoint(m, n) : QPoint(n, m); };
    const int minorLow = minor(window.topLeft()), minorHigh = minor(window.bottomRight());
    long long span = major(b) - major(a), rise = minor(b) - minor(a);
    if (span < 0) {
        span = -span;
        rise = -rise;
    }
    const int from = std::max(std::min(major(a), major(b)), major(window.topLeft()));
    const int to = std::min(std::max(major(a), major(b)), major(window.bottomRight()));
    int runStart = from;
    long long runMinor = 0;
    for (int m = from; m <= to + 1; ++m) {
        const long long n = m > to ? minorHigh + 1
                                   : minor(a) + (span ? nearestTowardsZero((m - major(a)) * rise, span) : 0);
        if (m > from && n == runMinor)
            continue;
        if (m > from && runMinor >= minorLow && runMinor <= minorHigh)
            runs.emplace_back(pixel(runStart, int(runMinor)), pixel(m - 1, int(runMinor)));
        runStart = m;
        runMinor = n;
    }
    return runs;
}

} // namespace garabel
