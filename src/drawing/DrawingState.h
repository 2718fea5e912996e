#pragma once

// src/drawing: the drawing state, sheets, the undo ring and its tile store, the
// drawing target, grid maths, shapes and the pure figure generators. Uses raster.

#include "drawing/PaletteButton.h"
#include "raster/Pen.h"
#include "raster/Rgb.h"

#include <cstdint>

namespace garabel {

inline constexpr int kSheetCount = 10;

struct GridState {
    std::int16_t step = 0;              // snapping step, twips; 16-bit as the grid arithmetic expects
    std::uint8_t selectedButton = 0;    // the grid button last pressed
    std::int32_t centreX = 0, centreY = 0;  // the canvas centre, on the grid
};

// The pen every surface draws with (held here alone and handed to each drawing
// call), and the sizes of the tools that draw otherwise.
struct PenState : Pen {
    std::int16_t eraserSize = 0;        // half the side of the eraser square, twips
    std::int16_t dotRadius = 0;         // radius of one dot of the dots tool, twips
};

// The three mirror switches: copies across the vertical axis through the
// centre, across the horizontal one, and through the centre point.
struct MirrorSwitches {
    bool leftRight = false;
    bool topBottom = false;
    bool throughCentre = false;
};

struct CircleState {
    std::uint8_t kind = 0;              // the circle kind button last pressed
};

struct PolygonState {
    std::int16_t mode = 0;              // the construction mode button last pressed
};

// The drawing settings the window keeps and the tools read, grouped by concern:
// what a figure in progress holds is its tool's own. The current sheet and the
// undo rings are kept by Sheets and UndoRing.
// Fields that may be "empty" start at 0 / false, which is how an empty value behaves.
struct DrawingState {
    GridState grid;
    PenState pen;
    MirrorSwitches mirrors;
    CircleState circle;
    PolygonState polygon;
    PaletteButton tool = PaletteButton::Line;  // the palette button that chose the current tool
};

// The colour every figure is drawn in: the colour last picked on the strip or
// in the dialog, which closed figures are also filled with.
inline Rgb drawingColour(const DrawingState &state)
{
    return state.pen.fillColour;
}

} // namespace garabel
