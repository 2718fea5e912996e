#pragma once

#include "platform/Rgb.h"

#include <array>
#include <cstdint>

namespace garabel {

// Tool codes held in DrawingState::Tool.
enum ToolCode : std::uint8_t {
    ToolLine = 2,
    ToolDots = 3,
    ToolFreehand = 4,
    ToolCircle = 8,
    ToolRectangle = 10,
    ToolFill = 11,
    ToolPolygon = 12,
    ToolText = 16,
    ToolEraser = 18,
};

// The tools that draw while the pointer moves rather than on the release.
inline bool drawsWhileMoving(std::uint8_t tool)
{
    return tool == ToolDots || tool == ToolFreehand || tool == ToolEraser;
}

// The one record of drawing state that every handler reads and writes.
// Fields that may be "empty" start at 0 / false, which is how an empty value behaves.
// Coordinates are canvas twips; numbers that may hold fractions are doubles.
struct DrawingState {
    static constexpr int kSheets = 10;
    static constexpr int kUndoSlots = 7;
    static constexpr int kPolyVertices = 42;

    std::int32_t CenterX = 0;
    std::int32_t CenterY = 0;
    std::int16_t GridStep = 0;
    double CurX = 0;
    std::int32_t CurY = 0;
    double StartX = 0;
    double StartY = 0;
    double MirrorX = 0;
    double MirrorY = 0;
    std::int32_t CircleRadius = 0;
    bool FlipX = false;
    bool FlipY = false;
    bool FlipXY = false;
    bool SnapshotPending = false;
    bool TextPending = false;
    std::uint8_t Tool = 0;
    std::int16_t BrushRadius = 0;
    std::uint8_t GridIndex = 0;
    double PrevX = 0;
    std::int32_t PrevY = 0;
    int Red = 0;
    int Green = 0;
    std::int16_t Blue = 0;
    std::uint8_t Sheet = 0;
    std::uint8_t PrevSheet = 0;
    std::int16_t PenWidth = 0;
    std::int16_t PolyMode = 0;
    double SideCount = 0;
    std::uint8_t CircleMode = 0;
    double Pi = 0;
    std::array<double, kPolyVertices> PolyX{};
    std::array<std::int32_t, kPolyVertices> PolyY{};
    std::uint8_t FillIndex = 0;
    std::array<int, kSheets> UndoPos{};
    std::int16_t EraserSize = 0;
};

// The colour every figure is drawn in: RGB(Red, Green, Blue).
inline Rgb drawingColour(const DrawingState &state)
{
    return rgb(state.Red, state.Green, state.Blue);
}

} // namespace garabel
