#pragma once

#include "raster/Surface.h"
#include "raster/SurfaceLayer.h"

#include <QImage>
#include <QPointF>

namespace garabel::bench {

// Rewrites the top-left pixel, which lies in `area`, with its own colour: nothing
// changes but the surface no longer knows itself to be one colour, so the next
// fill takes the scan of a first fill instead of the shortcut for a refill.
inline void forgetOneColour(Surface &surface, Rgb area)
{
    const Pen pen{.colour = area};
    surface.stored(pen, Units::Pixels).psetMany({QPointF(0, 0)});
}

inline constexpr Rgb kWall = rgb(0, 0, 255);

// A white picture with one-pixel walls on every `period`-th column (x = period
// - 1, 2 period - 1, ...). A comb's walls leave the top row open. A
// serpentine's leave the bottom row and the top row open in turn, so that its
// area winds through the whole picture in lanes of period - 1 pixels.
inline QImage combPicture(int width, int height, int period, bool serpentine)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(toQRgb(kWhite));
    for (int x = period - 1, wall = 0; x < width; x += period, ++wall) {
        const bool openBelow = serpentine && wall % 2 == 0;
        for (int y = openBelow ? 0 : 1; y < (openBelow ? height - 1 : height); ++y)
            reinterpret_cast<QRgb *>(image.scanLine(y))[x] = toQRgb(kWall);
    }
    return image;
}

} // namespace garabel::bench
