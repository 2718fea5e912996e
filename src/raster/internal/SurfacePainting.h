#pragma once

#include "raster/ArcSweep.h"

#include <QPoint>
#include <QPointF>
#include <QPolygon>
#include <QRect>
#include <QRegion>

#include <array>
#include <vector>

namespace garabel {

// How the surface's figures become pixels; everything is in inner pixels and
// drawn without antialiasing.
//
// - A one-pixel line covers both of its end pixels.
// - A pen of width w > 1 spreads across a line through pixel v over the pixels
//   v - w/2 .. v - w/2 + w - 1 (centred for odd w; one more on the low side for
//   even w), with round caps. A dot is a disc of diameter w around penCentre();
//   dots and caps alike are discRuns() (SurfaceRaster.h).
// - A one-pixel ellipse outline around pixel c reaches c.x - round(rx) .. c.x + round(rx)
//   and c.y - round(ry) .. c.y + round(ry), symmetric about c in both axes.
// - The interior of a closed figure is the pixels strictly inside its one-pixel
//   outline: exactly what a flood fill started inside that outline would take.
// - A mirror copy (Surface::reflect) is none of these: it is the
//   figure's pixels reflected, so an even pen's extra pixel changes side with it.

// Outer extent of a pen of width w laid along pixel coordinate v.
constexpr int penLow(int v, int w) { return v - w / 2; }
constexpr int penHigh(int v, int w) { return v - w / 2 + w - 1; }

struct EllipseRaster {
    QPolygon outline;            // the one-pixel outline
    std::vector<QRect> interior; // one run per row, strictly inside the outline
};

// Radii in pixels, at least one of them >= 0.5.
EllipseRaster rasterEllipse(QPoint centre, double rx, double ry);

// The pixels of the one-pixel circle outline whose direction from the centre
// lies on the sweep (0 right, pi/2 up on the screen).
QPolygon arcPixels(QPoint centre, double radius, ArcSweep sweep);

// The four pen bands of a box outline; `box` spans both corner pixels.
std::array<QRect, 4> boxOutline(const QRect &box, int penWidth);
// The box together with the pen spread around its outline.
QRect boxExtent(const QRect &box, int penWidth);

// A region that covers the line with its pen: a chain of small boxes along a long
// diagonal line rather than its whole bounding box, so repaints stay small.
QRegion lineRegion(QPoint a, QPoint b, int penWidth);

// The middle of a wide pen laid along pixel `c`, in continuous coordinates: the
// pixel's centre for odd widths, its top-left corner for even ones.
QPointF penCentre(QPoint c, int penWidth);
// A pen wider than one pixel around an ellipse (the one-pixel outline is
// EllipseRaster::outline), placed like a line's: the pixels whose centres lie
// between the ellipses of radii r - w/2 and r + w/2. Rows outside `window` are
// left out. Both radii must be at least 0.5.
std::vector<QRect> wideEllipseRuns(QPoint centre, double rx, double ry, int penWidth, const QRect &window);
// The same ring of a circle kept to the sweep, with round caps at both ends.
std::vector<QRect> wideArcRuns(QPoint centre, double radius, ArcSweep sweep, int penWidth, const QRect &window);

} // namespace garabel
