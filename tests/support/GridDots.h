#pragma once

#include "support/GarabelWindow.h"

#include <QImage>

namespace garabel::test {

// What the canvas shows of sheet `index` (the current one when -1) under a
// grid of `step` twips: the sheet with a `dot` at every grid point from 0 to
// the canvas's outer width and height, both bounds inclusive.
inline QImage sheetWithDots(const GarabelWindow &w, int step, QRgb dot, int index = -1)
{
    QImage shown = w.sheet(index);
    const Surface &canvas = w.probe().canvas();
    for (double x = 0; x <= canvas.width(); x += step) {
        for (double y = 0; y <= canvas.height(); y += step) {
            const QPoint at = pixelOfTwips(x, y);
            if (shown.rect().contains(at))
                shown.setPixel(at, dot);
        }
    }
    return shown;
}

} // namespace garabel::test
