#pragma once

#include "raster/Rgb.h"

namespace garabel {

// Splits a packed colour (red + 256 x green + 65536 x blue) into its three
// components, each 0..255; whatever lies above the blue byte is ignored.
constexpr void SplitRgb(Rgb colour, int &r, int &g, int &b)
{
    b = int(colour / 65536 & 255);
    g = int(colour / 256 & 255);
    r = int(colour & 255);
}

} // namespace garabel
