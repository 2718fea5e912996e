#include "track/Shapes.h"

#include "app/DrawingState.h"
#include "platform/Surface.h"

#include <array>
#include <cmath>
#include <optional>
#include <type_traits>

namespace garabel {

std::vector<Reflection> reflectionsOn(const DrawingState &state)
{
    std::vector<Reflection> on{Reflection::None};
    if (state.FlipX)
        on.push_back(Reflection::FlipX);
    if (state.FlipY)
        on.push_back(Reflection::FlipY);
    if (state.FlipXY)
        on.push_back(Reflection::FlipXY);
    return on;
}

MirroredPoint MirroredPoint::reflected(double x, double y, const DrawingState &state)
{
    return {x, y, 2.0 * state.CenterX - x, 2.0 * state.CenterY - y};
}

MirroredPoint MirroredPoint::anchor(const DrawingState &state)
{
    return {state.StartX, state.StartY, state.MirrorX, state.MirrorY};
}

QPointF MirroredPoint::under(Reflection r) const
{
    switch (r) {
    case Reflection::None:
        return {x, y};
    case Reflection::FlipX:
        return {mirrorX, y};
    case Reflection::FlipY:
        return {x, mirrorY};
    case Reflection::FlipXY:
        return {mirrorX, mirrorY};
    }
    return {x, y};
}

void drawShape(Surface &surface, const Shape &shape, Rgb colour)
{
    struct Draw {
        Surface &surface;
        Rgb colour;
        void operator()(const Segment &s) const
        {
            surface.line(s.from.x(), s.from.y(), s.to.x(), s.to.y(), colour);
        }
        void operator()(const Box &b) const
        {
            surface.box(b.corner1.x(), b.corner1.y(), b.corner2.x(), b.corner2.y(), colour);
        }
        void operator()(const Circle &c) const
        {
            surface.circle(c.centre.x(), c.centre.y(), c.radius, colour);
        }
        void operator()(const Arc &a) const
        {
            surface.arc(a.centre.x(), a.centre.y(), a.radius, colour, a.start, a.end);
        }
        void operator()(const Ellipse &e) const
        {
            surface.ellipse(e.centre.x(), e.centre.y(), e.radius, colour, e.aspect);
        }
    };
    std::visit(Draw{surface, colour}, shape);
}

namespace {

Reflection copyOf(const Shape &shape)
{
    return std::visit([](const auto &s) { return s.copy; }, shape);
}

// The points that place a shape, for finding the axes a copy mirrors its figure across.
std::array<QPointF, 2> definingPoints(const Shape &shape)
{
    return std::visit(
        [](const auto &s) -> std::array<QPointF, 2> {
            using Kind = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<Kind, Segment>)
                return {s.from, s.to};
            else if constexpr (std::is_same_v<Kind, Box>)
                return {s.corner1, s.corner2};
            else
                return {s.centre, s.centre};
        },
        shape);
}

struct TwiceAxes {
    std::optional<double> x, y;
};

// Twice the axes the copy mirrors the figure across (twice the canvas centre),
// when every defining point of the copy is the mirror image of the figure's.
std::optional<TwiceAxes> mirrorAxes(const Shape &figure, const Shape &copy)
{
    if (figure.index() != copy.index())
        return std::nullopt;
    const Reflection r = copyOf(copy);
    const bool acrossX = r == Reflection::FlipX || r == Reflection::FlipXY;
    const bool acrossY = r == Reflection::FlipY || r == Reflection::FlipXY;
    const auto f = definingPoints(figure), c = definingPoints(copy);
    const double twiceX = f[0].x() + c[0].x(), twiceY = f[0].y() + c[0].y();
    constexpr double kSlack = 1e-6;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const double offX = acrossX ? f[i].x() + c[i].x() - twiceX : c[i].x() - f[i].x();
        const double offY = acrossY ? f[i].y() + c[i].y() - twiceY : c[i].y() - f[i].y();
        if (std::fabs(offX) > kSlack || std::fabs(offY) > kSlack)
            return std::nullopt;
    }
    return TwiceAxes{acrossX ? std::optional(twiceX) : std::nullopt, acrossY ? std::optional(twiceY) : std::nullopt};
}

// Whether the surface can draw every copy after the figure at `at` as its reflection.
bool copiesReflect(const Surface &surface, const Shapes &shapes, std::size_t at)
{
    for (std::size_t i = at + 1; i < shapes.size() && copyOf(shapes[i]) != Reflection::None; ++i) {
        const auto axes = mirrorAxes(shapes[at], shapes[i]);
        if (!axes || !surface.canReflect(axes->x, axes->y))
            return false;
    }
    return true;
}

// Each shape on each surface in turn. A copy is the reflection of its figure's
// pixels on that surface; when one copy of a figure cannot be (the centre off
// the pixel grid), every copy of it is drawn from its own points.
void drawShapesOn(std::initializer_list<Surface *> surfaces, const Shapes &shapes, Rgb colour)
{
    std::vector<bool> reflecting(surfaces.size(), false);
    const Shape *figure = nullptr;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const Shape &shape = shapes[i];
        const bool copy = copyOf(shape) != Reflection::None;
        std::size_t k = 0;
        for (Surface *surface : surfaces) {
            if (!copy)
                reflecting[k] = copiesReflect(*surface, shapes, i);
            if (copy && figure && reflecting[k]) {
                const TwiceAxes axes = *mirrorAxes(*figure, shape);
                surface->reflectLastFigure(axes.x, axes.y);
            } else {
                drawShape(*surface, shape, colour);
            }
            ++k;
        }
        if (!copy)
            figure = &shape;
    }
}

} // namespace

void drawShapes(Surface &surface, const Shapes &shapes, Rgb colour)
{
    drawShapesOn({&surface}, shapes, colour);
}

void drawShapesOnBoth(Surface &canvas, Surface &sheet, const Shapes &shapes, Rgb colour)
{
    drawShapesOn({&canvas, &sheet}, shapes, colour);
}

} // namespace garabel
