#pragma once

#include "raster/Rgb.h"

namespace garabel {

struct RgbComponents {
    int red = 0, green = 0, blue = 0;
};

// Splits a packed colour (red + 256 x green + 65536 x blue) into its three
// components, each 0..255; whatever lies above the blue byte is ignored.
constexpr RgbComponents splitRgb(Rgb colour)
{
    return {int(colour & 255), int(colour / 256 & 255), int(colour / 65536 & 255)};
}

} // namespace garabel
