#pragma once

#include "drawing/Shapes.h"

#include <array>
#include <cstdint>
#include <optional>

class QString;

namespace garabel {

// The polygon tool's generator. The move places the vertices once and previews
// polygonEdges(); the release commits polygonEdges() from what the last move
// left, without recomputing, so the committed outline is the previewed one.
// Polygons are never mirrored.

// The drag that places a polygon: the construction mode chosen (0 centred on
// the anchor with a vertex at the pointer, 1 on the ellipse with semi-axes |dx|
// and |dy| around the anchor, 2 with anchor-pointer as one side), in twips.
struct PolygonDrag {
    int mode = 0;
    QPointF anchor, pointer;
};

// The vertices a drag placed, for its side count. y is rounded to whole twips,
// halves to even; x keeps fractions.
struct PolygonVertices {
    static constexpr int kMax = 42;
    double sideCount = 0;  // 0 until a preview has placed vertices
    std::array<double, kMax> x{};
    std::array<std::int32_t, kMax> y{};
};

// The side count typed or chosen in the list: the text's leading number,
// fractions kept, or 3 when that is below 3 or above 20 (also for no number).
double polygonSideCount(const QString &text);

// Writes the vertices of the drag's polygon for vertices.sideCount. Vertex k
// sits at angle A + k x 360 / sideCount for as long as that does not pass
// A + 360, so at most 21 entries are written; the others keep their old values.
// A mode outside 0..2 writes nothing.
void placePolygonVertices(const PolygonDrag &drag, PolygonVertices &vertices);

// The closed outline through the vertices: edges j-(j+1) while
// j <= sideCount - 2, then the closing edge from the first j that failed back to
// vertex 0. With no vertices placed yet (side count 0) that is one edge 0-0.
Shapes polygonEdges(const PolygonVertices &vertices);

// Mode 2's guide from the anchor to the pointer, shown in the preview only and
// drawn in the pen's colour; none for the other modes.
std::optional<Segment> polygonGuide(const PolygonDrag &drag);

} // namespace garabel
