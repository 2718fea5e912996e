#pragma once

namespace garabel {

// Lengths on the screen and on paper. Positions and sizes are twips, 1/1440 of
// an inch; the screen is taken at 96 pixels to the inch, whatever it reports,
// because the window's layout is made for that scale.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPixelsPerInch = 96;
inline constexpr int kPointsPerInch = 72;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kPixelsPerInch;  // 15

// The pixels of a font size given in points.
constexpr double pointsToPixels(double points)
{
    return points * kPixelsPerInch / kPointsPerInch;
}

} // namespace garabel
