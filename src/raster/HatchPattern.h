#pragma once

#include "raster/Rgb.h"

#include <QBrush>
#include <cstdint>

namespace garabel {

// The hatch patterns of FillStyle 2..7 as 8 x 8 pixel cells repeating from the
// top-left corner of the inner area. Figure fills and flood fills both paint
// exactly the pixels these rows select, so the two look the same side by side.

bool isHatchStyle(int fillStyle);

// Row y (taken modulo 8) of the cell: bit x set means pixel x (modulo 8) is painted.
// Zero for a style that is not a hatch.
std::uint8_t hatchRow(int fillStyle, int y);

// A brush that paints the selected pixels in the colour and leaves the others
// untouched. Its cell is anchored at the painter's brush origin.
QBrush hatchBrush(int fillStyle, Rgb colour);

} // namespace garabel
