#pragma once

#include "raster/Rgb.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace garabel {

constexpr int kColourStripWidth = 713;
constexpr int kColourStripHeight = 19;

// The colour strip under the canvas, 713 x 19, Format_RGB32: four blocks of framed 12 x 12
// swatches on grey (128, 128, 128). A click picks whatever pixel is under the pointer, so
// every pixel of it (swatch, frame or background) is part of the contract.
QImage colourStripPicture();

// One swatch of the strip: its colour pixels (inside the frame) and that colour.
struct ColourSwatch {
    QRect pixels;
    Rgb colour;
};

// The strip's swatches, left to right, as colourStripPicture() draws them.
std::vector<ColourSwatch> colourSwatches();

} // namespace garabel
