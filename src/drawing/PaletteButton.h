#pragma once

namespace garabel {

// The buttons of the tool palette, named for what they do; the value is the
// button's place in the palette. The drawing state remembers which one chose
// the current tool.
enum class PaletteButton {
    Open, Save, Line, Dots, Freehand, SnapToGrid, MoveFreely, PenWidthStep, Circle, Print,
    Rectangle, Fill, Polygon, Undo, Clear, Quit, Text, ColourDialog, Eraser, Help,
};
inline constexpr int kPaletteButtonCount = int(PaletteButton::Help) + 1;

} // namespace garabel
