#pragma once

#include "raster/SurfaceOverlay.h"

#include <QRect>
#include <QRegion>

#include <vector>

namespace garabel {

struct Raster;

// Covers the rectangles with square cells of `cell` pixels on a grid through
// the origin: a thin curve becomes a chain of small boxes rather than its
// bounding box, so that a repaint stays near it.
QRegion cellsAlong(const std::vector<QRect> &rects, int cell);

// The marked cells of `rows` rows of `columns` cells, row by row, each cell
// `cell` pixels square and the first with its corner at `origin`, as a region: a
// run of marked cells in a row is one rectangle, cut to `within` unless it is null.
QRegion markedCells(const unsigned char *marked, int columns, int rows, QPoint origin, int cell,
                    const QRect &within = QRect());

// The pixels an arranged raster paints in one opaque colour whatever lies under
// them, in painting order (interior, then pen), when it is worth telling: its
// interior is solid, or it is one rectangle. Empty otherwise, or when its
// rectangles cannot be made into a region cheaply.
std::vector<SolidPixels> solidPixelsOf(const Raster &raster);

} // namespace garabel
