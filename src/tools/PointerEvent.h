#pragma once

#include <QPointF>

namespace garabel {

// What a tool is told of the pointer, in sheet twips, the mouse and the keyboard
// pointer alike. `at` is snapped to the grid when snapping is on, by the window
// alone, before any tool sees it. The mixed precision is deliberate: x travels
// unrounded into the generators, whose half-to-even roundings depend on it; y is
// whole twips.
struct PointerEvent {
    QPointF at;         // the sheet point
    QPointF raw;        // where the pointer is, unsnapped
    QPointF before;     // `at` of the move before: where the crosshair stood
    int buttons = 0;    // the button pressed or released, or those held: 1 left, 2 right, 4 middle
    int modifiers = 0;  // the shift bits the view reports

    bool held() const { return buttons != 0; }
};

} // namespace garabel
