#pragma once

#include "app/DrawingState.h"

#include <QPointF>

namespace garabel::test {

// The state a press at `anchor` and a move to `pointer` leave on a canvas
// centred at (6900, 5100), the anchor's reflection stored as the press stores it.
inline DrawingState dragState(QPointF anchor, QPointF pointer, bool flipX, bool flipY, bool flipXY)
{
    DrawingState s;
    s.CenterX = 6900;
    s.CenterY = 5100;
    s.StartX = anchor.x();
    s.StartY = anchor.y();
    s.MirrorX = 2 * s.CenterX - s.StartX;
    s.MirrorY = 2 * s.CenterY - s.StartY;
    s.CurX = pointer.x();
    s.CurY = std::int32_t(pointer.y());
    s.FlipX = flipX;
    s.FlipY = flipY;
    s.FlipXY = flipXY;
    return s;
}

} // namespace garabel::test
