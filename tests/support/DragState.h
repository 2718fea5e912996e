#pragma once

#include "drawing/DrawingState.h"

#include <QPointF>

namespace garabel::test {

// The state a press at `anchor` and a move to `pointer` leave on a canvas
// centred at (6900, 5100), the anchor's reflection stored as the press stores it.
inline DrawingState dragState(QPointF anchor, QPointF pointer, bool flipX, bool flipY, bool flipXY)
{
    DrawingState s;
    s.grid.centreX = 6900;
    s.grid.centreY = 5100;
    s.pointer.anchorX = anchor.x();
    s.pointer.anchorY = anchor.y();
    s.pointer.mirrorX = 2 * s.grid.centreX - s.pointer.anchorX;
    s.pointer.mirrorY = 2 * s.grid.centreY - s.pointer.anchorY;
    s.pointer.x = pointer.x();
    s.pointer.y = std::int32_t(pointer.y());
    s.mirrors.leftRight = flipX;
    s.mirrors.topBottom = flipY;
    s.mirrors.throughCentre = flipXY;
    return s;
}

} // namespace garabel::test
