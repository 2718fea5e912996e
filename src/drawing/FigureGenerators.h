#pragma once

#include "drawing/Shapes.h"

namespace garabel {

// The figure generators: pure functions from a figure's points (canvas twips)
// to the figure and its copy under each mirror, in drawing order. The move
// previews them on the canvas overlay and the release commits the very same shapes.

// The line tool's segment, and each stroke of the freehand pen.
Shapes lineShapes(QPointF from, QPointF to, const Mirrors &mirrors);
// The box with the two points as opposite corners.
Shapes rectangleShapes(QPointF from, QPointF to, const Mirrors &mirrors);
// A dot of the radius around the point.
Shapes dotShapes(QPointF at, double radius, const Mirrors &mirrors);

} // namespace garabel
