#pragma once

#include "drawing/Shapes.h"

namespace garabel {

struct DrawingState;

// Tool 8: the circular figure that circle.kind chooses, and its mirror copies.
//
// 0  full circle around the anchor, of radius circle.radius
// 1  ellipse inscribed in the box spanned by the anchor and the pointer
// 2  upper quarter circle on the side of the drag
// 3  lower quarter circle on the side of the drag
// 4  upper half circle when dragged right, lower half otherwise
// 5  half circle facing the drag, of the horizontal distance as radius
//
// The preview and the commit draw the same shapes from here. Only the preview
// measures the full circle: the commit reuses the radius it stored (the circle
// tool commits nothing on a click, so that radius is always the drag's own).

// In mode 0, stores the anchor-to-pointer distance, rounded down, as
// circle.radius; the other modes leave it as it is.
void storeCircleRadius(DrawingState &state);

// The radius of the arcs of modes 2 to 5, twips: the anchor-to-pointer
// distance, or the horizontal distance in mode 5.
double arcRadius(const DrawingState &state);

// The figure then its copies, left-right, top-bottom, through the centre; nothing for an unknown mode.
Shapes circleShapes(const DrawingState &state);

} // namespace garabel
