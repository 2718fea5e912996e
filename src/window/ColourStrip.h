#pragma once

#include <QImage>

namespace garabel {

constexpr int kColourStripWidth = 713;
constexpr int kColourStripHeight = 19;

// The colour strip under the canvas, 713 x 19, Format_RGB32: four blocks of framed 12 x 12
// swatches on grey (128, 128, 128). A click picks whatever pixel is under the pointer, so
// every pixel of it (swatch, frame or background) is part of the contract.
QImage colourStripPicture();

} // namespace garabel
