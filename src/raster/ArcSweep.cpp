#include "raster/ArcSweep.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace garabel {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
} // namespace

ArcSweep arcSweep(double start, double end)
{
    auto normalise = [](double a) {
        a = std::fabs(a);
        if (a > kTwoPi + kAngleSlack)
            a = std::fmod(a, kTwoPi);
        return std::min(a, kTwoPi);
    };
    const double s = normalise(start);
    double span = normalise(end) - s;
    if (span < -kAngleSlack)
        span += kTwoPi;
    if (std::fabs(span) <= kAngleSlack)
        span = kTwoPi;
    return {s, span};
}

} // namespace garabel
