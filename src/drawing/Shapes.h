#pragma once

#include "drawing/Mirrors.h"
#include "raster/Rgb.h"

#include <QPointF>

#include <memory>
#include <variant>
#include <vector>

namespace garabel {

class SurfaceLayer;
struct Raster;

// The shapes a figure generator yields, in canvas twips. Each is drawn with the
// surface's own pen width and fill settings, so the same shape looks the same on
// the canvas and on a sheet whose settings match.
//
// To add a figure kind (an arc, an ellipse, a text), add its struct to the
// variant and its cases to drawShape() and to the measures a copy must share
// with its figure in Shapes.cpp; everything else passes shapes through.

// Every shape says which copy it is: the identity for a figure; otherwise it is
// the copy under that mirror of the nearest figure before it in the list, drawn
// as that figure's pixels reflected across the mirror's axes, so that it is
// exact at every pen width. Its own (reflected) points serve only where an axis
// falls neither on a pixel centre nor between two pixels, or where it is not
// the figure's mirror image in every measure.

// A straight segment from `from` to `to` (Line).
struct Segment {
    QPointF from, to;
    Mirror copy{};
    bool operator==(const Segment &) const = default;
};

// An axis-parallel box with the two points as opposite corners: the outline in
// the colour, the interior after the pen's fill pattern and fill colour.
struct Box {
    QPointF corner1, corner2;
    Mirror copy{};
    bool operator==(const Box &) const = default;
};

// A full circle, closed and filled like the box.
struct Circle {
    QPointF centre;
    double radius = 0;
    Mirror copy{};
    bool operator==(const Circle &) const = default;
};

// The part of a circle counter-clockwise from `start` to `end` (radians, 0
// pointing right), through angle 0 when start > end. Open: nothing is filled.
// The angles are single precision, as the surface is handed them.
struct Arc {
    QPointF centre;
    double radius = 0;
    float start = 0, end = 0;
    Mirror copy{};
    bool operator==(const Arc &) const = default;
};

// An ellipse, closed and filled like the circle. `aspect` is the vertical radius
// over the horizontal one; `radius` is the larger of the two.
struct Ellipse {
    QPointF centre;
    double radius = 0;
    double aspect = 1;
    Mirror copy{};
    bool operator==(const Ellipse &) const = default;
};

using Shape = std::variant<Segment, Box, Circle, Arc, Ellipse>;
using Shapes = std::vector<Shape>;

// Yields `make(m)` for the figure and its copy under each mirror, in drawing order.
template <typename Make>
Shapes mirrored(const Mirrors &mirrors, Make &&make)
{
    Shapes shapes;
    for (const Mirror &m : mirrors)
        shapes.push_back(make(m));
    return shapes;
}

// Draws one shape in the colour on the layer (a stored image or an overlay),
// from its own points. Returns the pixels drawn, which the shape's mirror
// copies reflect.
std::shared_ptr<const Raster> drawShape(const SurfaceLayer &layer, const Shape &shape, Rgb colour);
// Draws every shape on the one layer, in order, each copy as the reflection of
// its figure's pixels: a preview on the canvas overlay, a commit into the sheet.
void drawShapes(const SurfaceLayer &layer, const Shapes &shapes, Rgb colour);

} // namespace garabel
