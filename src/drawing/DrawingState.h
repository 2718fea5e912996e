#pragma once

// src/drawing: the drawing state, sheets, the undo ring and its tile store, the
// drawing target, grid maths, shapes and the pure figure generators. Uses raster.

#include "drawing/PaletteButton.h"
#include "raster/Pen.h"
#include "raster/Rgb.h"

#include <array>
#include <cstdint>

namespace garabel {

inline constexpr int kSheetCount = 10;

// The pointer on the canvas, in twips snapped to the grid. The mixed types are
// deliberate: the x values and the anchor travel unrounded into the generators,
// whose half-to-even roundings depend on it; y values are whole twips.
struct PointerState {
    double anchorX = 0, anchorY = 0;    // where the button went down
    double mirrorX = 0, mirrorY = 0;    // the anchor reflected through the canvas centre
    double x = 0;                       // the current position
    std::int32_t y = 0;
    double previousX = 0;               // the position of the move before
    std::int32_t previousY = 0;
};

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
    std::int32_t radius = 0;            // as the last preview measured it, twips
};

struct PolygonState {
    static constexpr int kMaxVertices = 42;
    std::int16_t mode = 0;              // the construction mode button last pressed
    double sideCount = 0;               // 0 until a preview has placed vertices
    std::array<double, kMaxVertices> vertexX{};
    std::array<std::int32_t, kMaxVertices> vertexY{};
};

struct TextState {
    bool pending = false;               // the first click of the text tool fixed the spot
};

// The drawing state every handler reads and writes, grouped by concern. The
// current sheet and the undo rings are kept by Sheets and UndoRing.
// Fields that may be "empty" start at 0 / false, which is how an empty value behaves.
struct DrawingState {
    PointerState pointer;
    GridState grid;
    PenState pen;
    MirrorSwitches mirrors;
    CircleState circle;
    PolygonState polygon;
    TextState text;
    PaletteButton tool = PaletteButton::Line;  // the palette button that chose the current tool
};

// The colour every figure is drawn in: the colour last picked on the strip or
// in the dialog, which closed figures are also filled with.
inline Rgb drawingColour(const DrawingState &state)
{
    return state.pen.fillColour;
}

} // namespace garabel
