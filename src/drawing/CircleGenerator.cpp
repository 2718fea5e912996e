#include "drawing/CircleGenerator.h"

#include "drawing/DrawingState.h"

#include <array>
#include <cmath>
#include <numbers>

namespace garabel {

namespace {
enum CircleModeCode { FullCircle = 0, InscribedEllipse = 1, UpperQuarter = 2, LowerQuarter = 3,
                      UpOrDownHalf = 4, FacingHalf = 5 };

// Arc ends in quarter turns: 0 is angle 0, 1 is π/2, ..., 4 is 2π.
struct QuarterSpan {
    int start, end;
};
// Per arc mode and drag direction, the span of the figure and of its
// left-right, top-bottom and through-centre copies: each copy is the figure's mirror image in its axis.
using CopySpans = std::array<QuarterSpan, 4>;
struct ModeSpans {
    CopySpans right, notRight;
};
constexpr std::array<ModeSpans, 4> kArcSpans{{
    {{{{0, 1}, {1, 2}, {3, 4}, {2, 3}}}, {{{1, 2}, {0, 1}, {2, 3}, {3, 4}}}},  // mode 2
    {{{{3, 4}, {2, 3}, {0, 1}, {1, 2}}}, {{{2, 3}, {3, 4}, {1, 2}, {0, 1}}}},  // mode 3
    {{{{0, 2}, {0, 2}, {2, 4}, {2, 4}}}, {{{2, 4}, {2, 4}, {0, 2}, {0, 2}}}},  // mode 4
    {{{{3, 1}, {1, 3}, {3, 1}, {1, 3}}}, {{{1, 3}, {3, 1}, {1, 3}, {3, 1}}}},  // mode 5
}};

// The angle in double precision, then handed on as a float.
float quarterAngle(int quarter)
{
    constexpr double pi = std::numbers::pi;
    switch (quarter) {
    case 1: return float(pi / 2);
    case 2: return float(pi);
    case 3: return float(3 * pi / 2);
    case 4: return float(2 * pi);
    default: return 0.0f;
    }
}

double anchorToPointer(const DrawingState &s)
{
    const double dx = s.pointer.x - s.pointer.anchorX;
    const double dy = s.pointer.y - s.pointer.anchorY;
    return std::sqrt(dx * dx + dy * dy);
}

// The circle's copies are reflected afresh from the anchor; the arcs' copies
// take the anchor's reflection stored at the press, as lines and boxes do.
Shapes fullCircles(const DrawingState &s)
{
    const MirroredPoint centre = MirroredPoint::reflected(s.pointer.anchorX, s.pointer.anchorY, s);
    return mirrored(s, [&](Reflection r) { return Circle{centre.under(r), double(s.circle.radius), r}; });
}

// A zero side would give a zero or undefined aspect, so it counts as 0.1 twips.
Shapes inscribedEllipses(const DrawingState &s)
{
    const double dx = s.pointer.x == s.pointer.anchorX ? 0.1 : s.pointer.x - s.pointer.anchorX;
    const double dy = s.pointer.y == s.pointer.anchorY ? 0.1 : s.pointer.y - s.pointer.anchorY;
    const MirroredPoint centre = MirroredPoint::reflected(s.pointer.anchorX + dx / 2, s.pointer.anchorY + dy / 2, s);
    const double aspect = std::abs(dy / 2) / std::abs(dx / 2);
    const double radius = std::abs(dx) > std::abs(dy) ? std::abs(dx / 2) : std::abs(dy / 2);
    return mirrored(s, [&](Reflection r) { return Ellipse{centre.under(r), radius, aspect, r}; });
}

Shapes arcs(const DrawingState &s)
{
    const bool right = s.pointer.anchorX < s.pointer.x;
    const double radius = arcRadius(s);
    const ModeSpans &mode = kArcSpans[s.circle.kind - UpperQuarter];
    const CopySpans &spans = right ? mode.right : mode.notRight;
    const MirroredPoint centre = MirroredPoint::anchor(s);
    return mirrored(s, [&](Reflection r) {
        const QuarterSpan span = spans[std::size_t(r)];
        return Arc{centre.under(r), radius, quarterAngle(span.start), quarterAngle(span.end), r};
    });
}
} // namespace

double arcRadius(const DrawingState &s)
{
    return s.circle.kind == FacingHalf ? std::abs(s.pointer.x - s.pointer.anchorX) : anchorToPointer(s);
}

void storeCircleRadius(DrawingState &state)
{
    if (state.circle.kind == FullCircle)
        state.circle.radius = std::int32_t(std::floor(anchorToPointer(state)));
}

Shapes circleShapes(const DrawingState &state)
{
    switch (state.circle.kind) {
    case FullCircle:
        return fullCircles(state);
    case InscribedEllipse:
        return inscribedEllipses(state);
    case UpperQuarter:
    case LowerQuarter:
    case UpOrDownHalf:
    case FacingHalf:
        return arcs(state);
    default:
        return {};
    }
}

} // namespace garabel
