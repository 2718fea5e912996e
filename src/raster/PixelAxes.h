#pragma once

#include <optional>

namespace garabel {

// Twice the position of a pixel axis: pixel v mirrors to twice - v, so an even
// value is an axis through a pixel centre and an odd one an axis between pixels.
// An absent axis leaves that direction as it is.
struct PixelAxes {
    std::optional<int> twiceX, twiceY;
};

} // namespace garabel
