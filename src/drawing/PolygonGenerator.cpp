#include "drawing/PolygonGenerator.h"

#include "drawing/GridMath.h"

#include <cmath>
#include <numbers>

namespace garabel {

namespace {
// 20 sides give 21 vertices, the last on the first; the bound also holds for a
// side count that did not come from polygonSideCount().
constexpr int kMaxVertices = 21;

// Degrees everywhere, converted through radians with the double pi.
struct Degrees {
    static constexpr double pi = std::numbers::pi;
    double toRadians(double degrees) const { return degrees * pi / 180.0; }
    double atanDegrees(double v) const { return std::atan(v) * 180.0 / pi; }
    double sin(double degrees) const { return std::sin(toRadians(degrees)); }
    double cos(double degrees) const { return std::cos(toRadians(degrees)); }
};

// The direction of (dx, dy) with 0 pointing down the screen and 90 to the right.
// On an axis the arctangent is not taken: 90 or 270 on the horizontal (90 also
// for no offset at all), 180 straight above, 0 straight below.
double startAngle(double dx, double dy, const Degrees &deg)
{
    double a = 0;
    if (dx != 0 && dy != 0) {
        a = deg.atanDegrees(dx / dy);
        if (dy < 0)
            a += 180;
    }
    if (dy == 0)
        a = dx < 0 ? 270 : 90;
    if (dx == 0 && dy < 0)
        a = 180;
    return a;
}

// Where the vertices go: around `centre`, radii rx across and ry down, the first
// at angle `start`.
struct Ring {
    QPointF centre;
    double rx = 0, ry = 0;
    double start = 0;
};

// Mode 2: the regular polygon that has the anchor-pointer segment as a side.
Ring ringOnSide(const PolygonDrag &s, double sideCount, const Degrees &deg)
{
    const double dx = s.pointer.x() - s.anchor.x(), dy = s.pointer.y() - s.anchor.y();
    const double halfAngle = 360.0 / (2.0 * sideCount);
    const double radius = std::sqrt(dx * dx + dy * dy) / 2.0 / deg.sin(halfAngle);
    const double b = (dx != 0 && dy != 0) ? deg.atanDegrees(dx / dy) : 0.0;

    // From one end of the side, the direction (0 right, 90 down) towards the centre.
    QPointF from = s.anchor;
    double t = 180 - b + halfAngle;
    if (dy == 0) {
        t = 270 + halfAngle;
        if (s.pointer.x() <= s.anchor.x()) {
            from = s.pointer;
            t = -t;
        }
    } else if (dy > 0) {
        from = s.pointer;
    }
    const QPointF centre(from.x() + radius * deg.cos(t), from.y() + radius * deg.sin(t));

    // The pointer seen from the centre. On an axis through the centre the
    // axis rules of the other modes apply, so vertex 0 stays on the pointer.
    const double r1 = std::hypot(s.anchor.x() - centre.x(), s.anchor.y() - centre.y());
    const double start = startAngle(s.pointer.x() - centre.x(), s.pointer.y() - centre.y(), deg);
    return {centre, r1, r1, start};
}

Ring ringFor(const PolygonDrag &s, double sideCount, const Degrees &deg)
{
    const double dx = s.pointer.x() - s.anchor.x(), dy = s.pointer.y() - s.anchor.y();
    if (s.mode == 0) {
        const double r = std::sqrt(dx * dx + dy * dy);
        return {s.anchor, r, r, startAngle(dx, dy, deg)};
    }
    if (s.mode == 1)
        return {s.anchor, std::fabs(dx), std::fabs(dy), startAngle(dx, dy, deg)};
    return ringOnSide(s, sideCount, deg);
}

QPointF vertex(const PolygonVertices &v, int i)
{
    return {v.x[std::size_t(i)], double(v.y[std::size_t(i)])};
}
} // namespace

double polygonSideCount(const QString &text)
{
    const double v = leadingNumber(text);
    return (v < 3 || v > 20) ? 3.0 : v;
}

void placePolygonVertices(const PolygonDrag &drag, PolygonVertices &vertices)
{
    if (drag.mode < 0 || drag.mode > 2)
        return;
    const Degrees deg;
    const Ring ring = ringFor(drag, vertices.sideCount, deg);
    // The angle is accumulated step by step, as the vertex count depends on
    // where the sum lands against start + 360.
    const double step = 360.0 / vertices.sideCount;
    const double end = ring.start + 360.0;
    int k = 0;
    for (double a = ring.start; a <= end && k < kMaxVertices; a += step, ++k) {
        vertices.x[std::size_t(k)] = ring.centre.x() + ring.rx * deg.sin(a);
        vertices.y[std::size_t(k)] = std::int32_t(std::nearbyint(ring.centre.y() + ring.ry * deg.cos(a)));
    }
}

Shapes polygonEdges(const PolygonVertices &vertices)
{
    Shapes edges;
    int j = 0;
    // The bound keeps vertex j + 1 inside the arrays whatever the side count holds.
    for (; j <= vertices.sideCount - 2 && j + 1 < PolygonVertices::kMax; ++j)
        edges.push_back(Segment{vertex(vertices, j), vertex(vertices, j + 1)});
    edges.push_back(Segment{vertex(vertices, j), vertex(vertices, 0)});
    return edges;
}

std::optional<Segment> polygonGuide(const PolygonDrag &drag)
{
    if (drag.mode != 2)
        return std::nullopt;
    return Segment{drag.anchor, drag.pointer};
}

} // namespace garabel
