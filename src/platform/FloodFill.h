#pragma once

#include "platform/Rgb.h"

#include <QPoint>
#include <QRect>

#include <functional>

class QImage;

namespace garabel {

// Receives each horizontal run of pixels the fill took, inclusive of both ends.
using FloodFillSpan = std::function<void(int y, int left, int right)>;

// Paints the 4-connected area around `start` whose pixels have exactly the colour
// `area`: with `fill` everywhere for FillStyle 0, or with `fill` on the pixels the
// hatch pattern of FillStyle 2..7 selects (the others keep their colour).
//
// The image must be Format_RGB32. Nothing happens when `start` is outside the
// image or does not have the colour `area`, for FillStyle 1 (transparent), or
// when `fill` equals `area` (the fill would change nothing). Scanline spans on an
// explicit stack, so the depth of the area never reaches the call stack.
// Returns the bounding rectangle of the pixels taken, empty when none.
QRect floodFillImage(QImage &image, QPoint start, Rgb area, Rgb fill, int fillStyle,
                     const FloodFillSpan &onSpan = {});

} // namespace garabel
