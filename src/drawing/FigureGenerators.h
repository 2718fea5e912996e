#pragma once

#include "drawing/Shapes.h"
#include "raster/Rgb.h"

namespace garabel {

struct DrawingState;

// The figure generators: pure functions from the drawing state to the figure
// and its mirror copies, in drawing order. The move previews them on the canvas
// overlay and the release commits the very same shapes on canvas and sheet.
//
// Anchor copies use the stored pointer.mirrorX/pointer.mirrorY; pointer copies are computed from
// pointer.x/pointer.y and the canvas centre.

// Tool 2: the segment from the anchor to the pointer.
Shapes lineShapes(const DrawingState &state);
// Tool 10: the box with the anchor and the pointer as opposite corners.
Shapes rectangleShapes(const DrawingState &state);
// Tool 3: a dot of pen.dotRadius around the pointer, copies around its reflections.
Shapes dotShapes(const DrawingState &state);
// Tool 4: the segment from the previous pointer to the present one; its first
// point's reflection is pointer.mirrorX/pointer.mirrorY, which the freehand move sets from pointer.previousX/pointer.previousY.
Shapes freehandShapes(const DrawingState &state);

} // namespace garabel
