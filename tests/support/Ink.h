#pragma once

#include "support/GarabelWindow.h"

#include <QImage>
#include <QRect>

#include <cmath>

namespace garabel::test {

// The pixel of canvas twips (x, y), as pixelAt() reads it.
inline QPoint pixelOf(double x, double y)
{
    return QPoint(int(std::lround(x / 15)), int(std::lround(y / 15)));
}

// Pixels of `colour` within `reach` pixels of canvas twips (x, y).
inline int inkNear(const QImage &image, double x, double y, QRgb colour, int reach = 1)
{
    const QPoint p = pixelOf(x, y);
    return countColour(image, colour, QRect(p - QPoint(reach, reach), p + QPoint(reach, reach)));
}

} // namespace garabel::test
