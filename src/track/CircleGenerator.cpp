#include "track/CircleGenerator.h"

#include "app/DrawingState.h"

#include <array>
#include <cmath>

namespace garabel {

namespace {
enum CircleModeCode { FullCircle = 0, InscribedEllipse = 1, UpperQuarter = 2, LowerQuarter = 3,
                      UpOrDownHalf = 4, FacingHalf = 5 };

// Arc ends in quarter turns: 0 is angle 0, 1 is π/2, ..., 4 is 2π.
struct QuarterSpan {
    int start, end;
};
// Per arc mode and drag direction, the span of the figure and of its FlipX,
// FlipY and FlipXY copies: each copy is the figure's mirror image in its axis.
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

// The angle from the state's Pi in double precision, then handed on as a float.
float quarterAngle(int quarter, double pi)
{
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
    const double dx = s.CurX - s.StartX;
    const double dy = s.CurY - s.StartY;
    return std::sqrt(dx * dx + dy * dy);
}

// The circle's copies are reflected afresh from the anchor; the arcs' copies
// take the anchor's reflection stored at the press, as lines and boxes do.
Shapes fullCircles(const DrawingState &s)
{
    const MirroredPoint centre = MirroredPoint::reflected(s.StartX, s.StartY, s);
    return mirrored(s, [&](Reflection r) { return Circle{centre.under(r), double(s.CircleRadius), r}; });
}

// A zero side would give a zero or undefined aspect, so it counts as 0.1 twips.
Shapes inscribedEllipses(const DrawingState &s)
{
    const double dx = s.CurX == s.StartX ? 0.1 : s.CurX - s.StartX;
    const double dy = s.CurY == s.StartY ? 0.1 : s.CurY - s.StartY;
    const MirroredPoint centre = MirroredPoint::reflected(s.StartX + dx / 2, s.StartY + dy / 2, s);
    const double aspect = std::abs(dy / 2) / std::abs(dx / 2);
    const double radius = std::abs(dx) > std::abs(dy) ? std::abs(dx / 2) : std::abs(dy / 2);
    return mirrored(s, [&](Reflection r) { return Ellipse{centre.under(r), radius, aspect, r}; });
}

Shapes arcs(const DrawingState &s)
{
    const bool right = s.StartX < s.CurX;
    const double radius = s.CircleMode == FacingHalf ? std::abs(s.CurX - s.StartX) : anchorToPointer(s);
    const ModeSpans &mode = kArcSpans[s.CircleMode - UpperQuarter];
    const CopySpans &spans = right ? mode.right : mode.notRight;
    const MirroredPoint centre = MirroredPoint::anchor(s);
    return mirrored(s, [&](Reflection r) {
        const QuarterSpan span = spans[std::size_t(r)];
        return Arc{centre.under(r), radius, quarterAngle(span.start, s.Pi), quarterAngle(span.end, s.Pi), r};
    });
}
} // namespace

void storeCircleRadius(DrawingState &state)
{
    if (state.CircleMode == FullCircle)
        state.CircleRadius = std::int32_t(std::floor(anchorToPointer(state)));
}

Shapes circleShapes(const DrawingState &state)
{
    switch (state.CircleMode) {
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
