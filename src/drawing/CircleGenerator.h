#pragma once

#include "drawing/Shapes.h"

#include <cstdint>

namespace garabel {

// The circle tool's figure: the kind chosen, the anchor and the pointer (twips),
// and the full circle's radius as the last preview measured it.
//
// kind 0  full circle around the anchor, of the radius
//      1  ellipse inscribed in the box spanned by the anchor and the pointer
//      2  upper quarter circle on the side of the drag
//      3  lower quarter circle on the side of the drag
//      4  upper half circle when dragged right, lower half otherwise
//      5  half circle facing the drag, of the horizontal distance as radius
//
// The preview and the commit draw the same shapes from here. Only the preview
// measures the full circle: the commit reuses the radius it stored (the circle
// tool commits nothing on a click, so that radius is always the drag's own).
struct CircleFigure {
    int kind = 0;
    QPointF anchor, pointer;
    std::int32_t radius = 0;
};

// In kind 0, stores the anchor-to-pointer distance, rounded down, as the
// radius; the other kinds leave it as it is.
void storeCircleRadius(CircleFigure &circle);

// The radius of the arcs of kinds 2 to 5, twips: the anchor-to-pointer
// distance, or the horizontal distance in kind 5.
double arcRadius(const CircleFigure &circle);

// The figure then its copy under each mirror; nothing for an unknown kind.
Shapes circleShapes(const CircleFigure &circle, const Mirrors &mirrors);

} // namespace garabel
