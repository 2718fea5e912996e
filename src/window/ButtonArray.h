#pragma once

#include "drawing/PaletteButton.h"

#include <memory>
#include <vector>

namespace garabel {

class Button;

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
