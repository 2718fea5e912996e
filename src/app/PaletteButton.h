#pragma once

#include <memory>
#include <vector>

namespace garabel {

class Button;

// The buttons of the tool palette; the value is the button's place in the palette.
enum class PaletteButton {
    Open, Save, Line, Dots, Freehand, SnapToGrid, MoveFreely, PenWidthStep, Circle, Print,
    Rectangle, Fill, Polygon, Undo, Clear, Quit, Text, ColourDialog, Eraser, Help,
};
inline constexpr int kPaletteButtonCount = int(PaletteButton::Help) + 1;

using ButtonArray = std::vector<std::unique_ptr<Button>>;

// The palette's buttons, reached by what they do: paletteButtons[PaletteButton::Undo].
class PaletteButtons : public ButtonArray
{
public:
    using ButtonArray::operator[];
    std::unique_ptr<Button> &operator[](PaletteButton b) { return (*this)[std::size_t(b)]; }
    const std::unique_ptr<Button> &operator[](PaletteButton b) const { return (*this)[std::size_t(b)]; }
};

} // namespace garabel
