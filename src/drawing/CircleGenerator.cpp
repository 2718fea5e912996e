#include "drawing/CircleGenerator.h"

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

double anchorToPointer(const CircleFigure &c)
{
    const double dx = c.pointer.x() - c.anchor.x();
    const double dy = c.pointer.y() - c.anchor.y();
    return std::sqrt(dx * dx + dy * dy);
}

Shapes fullCircles(const CircleFigure &c, const Mirrors &mirrors)
{
    return mirrored(mirrors, [&](const Mirror &m) { return Circle{m(c.anchor), double(c.radius), m}; });
}

// A zero side would give a zero or undefined aspect, so it counts as 0.1 twips.
Shapes inscribedEllipses(const CircleFigure &c, const Mirrors &mirrors)
{
    const double dx = c.pointer.x() == c.anchor.x() ? 0.1 : c.pointer.x() - c.anchor.x();
    const double dy = c.pointer.y() == c.anchor.y() ? 0.1 : c.pointer.y() - c.anchor.y();
    const QPointF centre(c.anchor.x() + dx / 2, c.anchor.y() + dy / 2);
    const double aspect = std::abs(dy / 2) / std::abs(dx / 2);
    const double radius = std::abs(dx) > std::abs(dy) ? std::abs(dx / 2) : std::abs(dy / 2);
    return mirrored(mirrors, [&](const Mirror &m) { return Ellipse{m(centre), radius, aspect, m}; });
}

Shapes arcs(const CircleFigure &c, const Mirrors &mirrors)
{
    const bool right = c.anchor.x() < c.pointer.x();
    const double radius = arcRadius(c);
    const ModeSpans &mode = kArcSpans[c.kind - UpperQuarter];
    const CopySpans &spans = right ? mode.right : mode.notRight;
    return mirrored(mirrors, [&](const Mirror &m) {
        const QuarterSpan span = spans[std::size_t(m.kind)];
        return Arc{m(c.anchor), radius, quarterAngle(span.start), quarterAngle(span.end), m};
    });
}
} // namespace

double arcRadius(const CircleFigure &c)
{
    return c.kind == FacingHalf ? std::abs(c.pointer.x() - c.anchor.x()) : anchorToPointer(c);
}

void storeCircleRadius(CircleFigure &circle)
{
    if (circle.kind == FullCircle)
        circle.radius = std::int32_t(std::floor(anchorToPointer(circle)));
}

Shapes circleShapes(const CircleFigure &circle, const Mirrors &mirrors)
{
    switch (circle.kind) {
    case FullCircle:
        return fullCircles(circle, mirrors);
    case InscribedEllipse:
        return inscribedEllipses(circle, mirrors);
    case UpperQuarter:
    case LowerQuarter:
    case UpOrDownHalf:
    case FacingHalf:
        return arcs(circle, mirrors);
    default:
        return {};
    }
}

} // namespace garabel
