#pragma once

#include "raster/LineRuns.h"
#include "raster/PixelAxes.h"

#include <QBrush>
#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QRegion>

#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace garabel {

// The pixels one figure covers, in inner pixels, and how they are painted. A
// surface hands it back to whoever drew the figure, so that a mirror copy is the
// figure's exact reflection, pixel for pixel, rather than a second rasterisation
// that would round and place an even pen's extra pixel its own way.
struct Raster {
    QRegion bounds;            // every pixel the figure may touch
    std::vector<QRect> fill;   // the interior, painted with `brush`
    QBrush brush;              // none for an open figure or a transparent fill
    std::vector<QRect> runs;   // pen pixels as rectangles
    QColor colour;             // of the pen pixels
    int tallest = 1;           // height of the tallest rectangle, once arranged
};

// Orders the rectangles by their top row, so that painting a clip looks up
// only the rows it needs: a repaint replays the overlay once per rectangle of
// the repainted region.
void arrangeByRows(Raster &raster);

// The rectangle mirrored across the axes.
QRect reflected(const QRect &rect, PixelAxes axes);

// The raster mirrored across the axes. Only the coverage is mirrored: a hatch
// brush stays anchored at the image origin, so its lines keep their direction.
Raster reflected(const Raster &raster, PixelAxes axes);

// The rectangles of an arranged list (`tallest` high at most) whose rows may
// meet the clip's: the others lie wholly above or below it.
std::pair<const QRect *, const QRect *> rowsMeeting(const std::vector<QRect> &rects, int tallest, const QRect &clip);

// The interior first, then the pen, so the outline stays on top of the fill;
// within `clip` only, when it is not null. The raster must be arranged.
void paintRaster(QPainter &painter, const Raster &raster, const QRect &clip);

// Single pixels gathered into runs along the rows (they are painted as
// rectangles, much faster than point by point through a translated painter).
std::vector<QRect> pointRuns(QPolygon points);

// The pixels whose centres lie within diameter / 2 of `centre` (continuous pixel
// coordinates, a pixel's centre at +0.5), by rows, rows outside `window` left
// out: every round pen end and every dot, so that they all round alike.
std::vector<QRect> discRuns(QPointF centre, double diameter, const QRect &window);

// The pixels whose centres lie within `halfWidth` of the segment from a to b
// (continuous pixel coordinates, a pixel's centre at +0.5): a wide pen with
// round caps. Rows outside `window` are left out.
std::vector<QRect> wideLineRuns(QPointF a, QPointF b, double halfWidth, const QRect &window);

} // namespace garabel
