#pragma once

#include "drawing/Shapes.h"

#include <optional>

class QString;

namespace garabel {

struct DrawingState;

// The polygon tool's generator. The move computes the vertices once into the
// state (polygon.sideCount, polygon.vertexX, polygon.vertexY) and previews polygonEdges(); the release
// commits polygonEdges() from what the last move left, without recomputing, so
// the committed outline is the previewed one. Polygons are never mirrored.

// The side count typed or chosen in the list: the text's leading number,
// fractions kept, or 3 when that is below 3 or above 20 (also for no number).
double polygonSideCount(const QString &text);

// Writes the vertices of the polygon of polygon.mode (0 centred on the anchor with a
// vertex at the pointer, 1 on the ellipse with semi-axes |dx| and |dy| around the
// anchor, 2 with anchor-pointer as one side) for the state's polygon.sideCount, anchor
// and pointer. Vertex k sits at angle A + k x 360 / polygon.sideCount for as long as that
// does not pass A + 360, so at most 21 entries are written; the others keep their
// old values. polygon.vertexY is rounded to whole twips, halves to even; polygon.vertexX keeps
// fractions. A polygon.mode outside 0..2 writes nothing.
void placePolygonVertices(DrawingState &state);

// The closed outline through the stored vertices: edges j-(j+1) while
// j <= polygon.sideCount - 2, then the closing edge from the first j that failed back to
// vertex 0. With no vertices placed yet (polygon.sideCount 0) that is one edge 0-0.
Shapes polygonEdges(const DrawingState &state);

// Mode 2's guide from the anchor to the pointer, shown in the preview only and
// drawn in the pen's colour; none for the other modes.
std::optional<Segment> polygonGuide(const DrawingState &state);

} // namespace garabel
