#include "drawing/FigureGenerators.h"

#include "drawing/DrawingState.h"

namespace garabel {

Shapes lineShapes(const DrawingState &state)
{
    const MirroredPoint from = MirroredPoint::anchor(state);
    const MirroredPoint to = MirroredPoint::reflected(state.pointer.x, state.pointer.y, state);
    return mirrored(state, [&](Reflection r) { return Segment{from.under(r), to.under(r), r}; });
}

Shapes rectangleShapes(const DrawingState &state)
{
    const MirroredPoint from = MirroredPoint::anchor(state);
    const MirroredPoint to = MirroredPoint::reflected(state.pointer.x, state.pointer.y, state);
    return mirrored(state, [&](Reflection r) { return Box{from.under(r), to.under(r), r}; });
}

Shapes dotShapes(const DrawingState &state)
{
    const MirroredPoint centre = MirroredPoint::reflected(state.pointer.x, state.pointer.y, state);
    return mirrored(state, [&](Reflection r) { return Circle{centre.under(r), double(state.pen.dotRadius), r}; });
}

Shapes freehandShapes(const DrawingState &state)
{
    const MirroredPoint from{state.pointer.previousX, double(state.pointer.previousY), state.pointer.mirrorX, state.pointer.mirrorY};
    const MirroredPoint to = MirroredPoint::reflected(state.pointer.x, state.pointer.y, state);
    return mirrored(state, [&](Reflection r) { return Segment{from.under(r), to.under(r), r}; });
}

} // namespace garabel
