#pragma once

#include "raster/Surface.h"
#include "raster/SurfaceLayer.h"

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

} // namespace garabel::bench
