#include "drawing/FigureGenerators.h"

namespace garabel {

Shapes lineShapes(QPointF from, QPointF to, const Mirrors &mirrors)
{
    return mirrored(mirrors, [&](const Mirror &m) { return Segment{m(from), m(to), m}; });
}

Shapes rectangleShapes(QPointF from, QPointF to, const Mirrors &mirrors)
{
    return mirrored(mirrors, [&](const Mirror &m) { return Box{m(from), m(to), m}; });
}

Shapes dotShapes(QPointF at, double radius, const Mirrors &mirrors)
{
    return mirrored(mirrors, [&](const Mirror &m) { return Circle{m(at), radius, m}; });
}

} // namespace garabel
