#include "track/Shapes.h"

#include "app/DrawingState.h"
#include "platform/Surface.h"

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

void drawShapes(Surface &surface, const Shapes &shapes, Rgb colour)
{
    for (const Shape &shape : shapes)
        drawShape(surface, shape, colour);
}

void drawShapesOnBoth(Surface &canvas, Surface &sheet, const Shapes &shapes, Rgb colour)
{
    for (const Shape &shape : shapes) {
        drawShape(canvas, shape, colour);
        drawShape(sheet, shape, colour);
    }
}

} // namespace garabel
