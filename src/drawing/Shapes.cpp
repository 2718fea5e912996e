#include "drawing/Shapes.h"

#include "raster/ArcSweep.h"
#include "raster/PixelAxes.h"
#include "raster/Surface.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <type_traits>

namespace garabel {

std::shared_ptr<const Raster> drawShape(const SurfaceLayer &layer, const Shape &shape, Rgb colour)
{
    struct Draw {
        const SurfaceLayer &layer;
        Rgb colour;
        SurfaceLayer::Figure operator()(const Segment &s) const
        {
            return layer.line(s.from.x(), s.from.y(), s.to.x(), s.to.y(), colour);
        }
        SurfaceLayer::Figure operator()(const Box &b) const
        {
            return layer.box(b.corner1.x(), b.corner1.y(), b.corner2.x(), b.corner2.y(), colour);
        }
        SurfaceLayer::Figure operator()(const Circle &c) const
        {
            return layer.circle(c.centre.x(), c.centre.y(), c.radius, colour);
        }
        SurfaceLayer::Figure operator()(const Arc &a) const
        {
            return layer.arc(a.centre.x(), a.centre.y(), a.radius, colour, a.start, a.end);
        }
        SurfaceLayer::Figure operator()(const Ellipse &e) const
        {
            return layer.ellipse(e.centre.x(), e.centre.y(), e.radius, colour, e.aspect);
        }
    };
    return std::visit(Draw{layer, colour}, shape);
}

namespace {

const Mirror &copyOf(const Shape &shape)
{
    return std::visit([](const auto &s) -> const Mirror & { return s.copy; }, shape);
}

bool isCopy(const Shape &shape)
{
    return copyOf(shape).kind != Reflection::None;
}

constexpr double kSlack = 1e-6;

bool near(double a, double b)
{
    return std::fabs(a - b) <= kSlack;
}

// Whether two angles (radians) name the same direction.
bool sameDirection(double a, double b)
{
    constexpr double kTwoPi = 2 * std::numbers::pi;
    const double d = std::fmod(std::fabs(a - b), kTwoPi);
    return std::min(d, kTwoPi - d) <= kSlack;
}

// Whether the copy's sweep is the figure's mirrored: across a vertical axis an
// angle t becomes pi - t, across a horizontal one -t, and a single reflection
// turns the sweep round.
bool mirroredSweep(const Arc &figure, const Arc &copy, bool acrossX, bool acrossY)
{
    const ArcSweep f = arcSweep(figure.start, figure.end), c = arcSweep(copy.start, copy.end);
    if (!near(f.span, c.span))
        return false;
    const double pi = std::numbers::pi;
    if (acrossX && acrossY)
        return sameDirection(c.start, f.start + pi);
    if (acrossX)
        return sameDirection(c.start, pi - f.start - f.span);
    if (acrossY)
        return sameDirection(c.start, -f.start - f.span);
    return sameDirection(c.start, f.start);
}

// Whether the copy has the figure's size and shape, mirrored.
bool sameMeasures(const Shape &figure, const Shape &copy, bool acrossX, bool acrossY)
{
    return std::visit(
        [&](const auto &f) {
            using Kind = std::decay_t<decltype(f)>;
            const Kind &c = std::get<Kind>(copy);
            if constexpr (std::is_same_v<Kind, Circle>)
                return near(f.radius, c.radius);
            else if constexpr (std::is_same_v<Kind, Ellipse>)
                return near(f.radius, c.radius) && near(f.aspect, c.aspect);
            else if constexpr (std::is_same_v<Kind, Arc>)
                return near(f.radius, c.radius) && mirroredSweep(f, c, acrossX, acrossY);
            else
                return true;
        },
        figure);
}

// Whether the copy is its figure's mirror image in every measure, so that the
// figure's pixels reflected across the copy's mirror draw it.
bool mirrorsFigure(const Shape &figure, const Shape &copy)
{
    if (figure.index() != copy.index())
        return false;
    const Mirror &m = copyOf(copy);
    return sameMeasures(figure, copy, m.twiceAxisX().has_value(), m.twiceAxisY().has_value());
}

// The pixel axes of every copy after the figure at `at`, in order, when the
// layer can draw each of them as the figure's reflection; empty otherwise.
std::vector<PixelAxes> copyAxes(const SurfaceLayer &layer, const Shapes &shapes, std::size_t at)
{
    std::vector<PixelAxes> all;
    for (std::size_t i = at + 1; i < shapes.size() && isCopy(shapes[i]); ++i) {
        const Mirror &m = copyOf(shapes[i]);
        const auto axes = mirrorsFigure(shapes[at], shapes[i]) ? layer.reflectionAxes(m.twiceAxisX(), m.twiceAxisY())
                                                               : std::nullopt;
        if (!axes)
            return {};
        all.push_back(*axes);
    }
    return all;
}

// What one layer drew of the present figure: its pixels, and the axes of each
// of its copies when every one of them is drawn as their reflection.
struct Drawn {
    std::shared_ptr<const Raster> figure;
    std::vector<PixelAxes> copies;
};

// Each shape on each layer in turn. A copy is the reflection of its figure's
// pixels on that layer; when one copy of a figure cannot be (the centre off
// the pixel grid), every copy of it is drawn from its own points.
void drawShapesOn(std::initializer_list<SurfaceLayer> layers, const Shapes &shapes, Rgb colour)
{
    std::vector<Drawn> drawn(layers.size());
    std::size_t figureAt = 0;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const Shape &shape = shapes[i];
        const bool copy = isCopy(shape);
        if (!copy)
            figureAt = i;
        std::size_t k = 0;
        for (const SurfaceLayer &layer : layers) {
            Drawn &d = drawn[k++];
            if (!copy) {
                d.figure = drawShape(layer, shape, colour);
                d.copies = copyAxes(layer, shapes, i);
            } else if (d.figure && i - figureAt <= d.copies.size()) {
                layer.reflect(*d.figure, d.copies[i - figureAt - 1]);
            } else {
                drawShape(layer, shape, colour);
            }
        }
    }
}

} // namespace

void drawShapes(const SurfaceLayer &layer, const Shapes &shapes, Rgb colour)
{
    drawShapesOn({layer}, shapes, colour);
}

} // namespace garabel
