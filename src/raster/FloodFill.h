#pragma once

#include "raster/Rgb.h"

#include <QPoint>
#include <QRect>

class QImage;

namespace garabel {

// How a fill leaves the change marks of the tiles (Surface::kTile pixels square)
// it paints in: written, or written whole in one colour.
enum TileMark : unsigned char { TileClean = 0, TileWritten = 1, TileOneColour = 2 };

// An RGB32 image that a fill paints, with `colour` everywhere for FillStyle 0 or
// on the pixels the hatch pattern of FillStyle 2..7 selects (the others keep
// their colour); FillStyle 1 (transparent) paints nothing.
struct FillPaint {
    QImage *image = nullptr;
    Rgb colour = kBlack;
    int style = 0;
    // Optional: the image's tile marks, row by row, `tileColumns` across. Every
    // tile the fill paints in is marked TileWritten.
    unsigned char *tileMarks = nullptr;
    int tileColumns = 0;
    // Optional, for a solid fill: a tile the fill painted in whole is marked
    // TileOneColour instead, with its colour (QRgb) here.
    unsigned *tileColours = nullptr;
};

// Paints the 4-connected area around `start` whose pixels have exactly the colour
// `area` in `target`'s image, as `target` says.
//
// Nothing happens when `start` is outside the image or does not have the colour
// `area`, for FillStyle 1, or when the fill colour equals `area` (the fill would
// change nothing). Scanline spans on an explicit list, so the depth of the area
// never reaches the call stack. Returns the bounding rectangle of the pixels
// taken, empty when none.
QRect floodFillImage(const FillPaint &target, QPoint start, Rgb area);

// The same for a solid `target` whose pixels all have the area colour, known
// beforehand: every pixel is taken, and none is read.
QRect fillWholeImage(const FillPaint &target);

// The same for one image and no tile marks.
QRect floodFillImage(QImage &image, QPoint start, Rgb area, Rgb fill, int fillStyle);

} // namespace garabel
