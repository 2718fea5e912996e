#pragma once

#include <QString>

#include <cmath>
#include <cstdint>
#include <vector>

namespace garabel {

// Snaps a coordinate to the grid: rounded to the nearest integer (halves to the
// even neighbour), then integer-divided by the step (truncating towards zero, so
// negative positions go towards zero) and multiplied back. The canvas centre is
// placed with it.
inline std::int32_t snapToGrid(double v, int step)
{
    const auto nearest = std::int32_t(std::nearbyint(v));  // default rounding: halves to even
    return nearest / step * step;
}

// Snaps a pointer coordinate to the nearest grid point: rounded to the nearest
// integer (halves to the even neighbour), then to the nearest multiple of the
// step. A position exactly halfway between two grid points goes to the larger
// one (right or down), on either side of zero alike.
inline std::int32_t snapToNearestGridPoint(double v, int step)
{
    const double nearest = std::nearbyint(v);  // default rounding: halves to even
    return std::int32_t(std::floor((nearest + step / 2.0) / step)) * step;
}

// The snapping step of grid button `index`: the buttons step by 50 twips.
inline std::int16_t gridStepFor(int index)
{
    return std::int16_t((index + 1) * 50);
}

// The pixels, in increasing order, that the grid points 0, step, 2 step, ...
// up to `outerTwips` (both bounds inclusive) fall on along one side of the
// canvas, as a point drawn there would be placed; those beyond the
// `innerPixels` of the inner area (under the frame) are left out.
std::vector<int> gridDotPixels(int step, double outerTwips, int innerPixels);

// The leading number of a text, as the lists and the side count read it:
// the longest leading part that reads as a decimal number ("18 pt" is 18,
// "4.5" is 4.5), 0 when there is none.
double leadingNumber(const QString &text);

} // namespace garabel
