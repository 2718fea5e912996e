#pragma once

#include "drawing/DrawingState.h"
#include "drawing/Mirrors.h"

#include <QPointF>

namespace garabel::test {

// The sheet centre of the drags below, twips.
inline constexpr QPoint kDragCentre{6900, 5100};

// The mirror of the switch about the drags' centre.
inline Mirror mirrorOf(Reflection r)
{
    return {r, kDragCentre};
}

// What a press at `anchor` and a move to `pointer` hand a generator, on a canvas
// centred at (6900, 5100) with the switches given.
struct Drag {
    QPointF anchor, pointer;
    Mirrors mirrors;
};

inline Drag dragState(QPointF anchor, QPointF pointer, bool flipX, bool flipY, bool flipXY)
{
    return {anchor, QPointF(pointer.x(), std::int32_t(pointer.y())),
            mirrorsFor(MirrorSwitches{flipX, flipY, flipXY}, kDragCentre)};
}

} // namespace garabel::test
