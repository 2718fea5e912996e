#pragma once

#include "drawing/PaletteButton.h"

namespace garabel {

// The letter that, with Alt, takes each drawing tool from anywhere in the
// window; the help page underlines it in the tool's caption. Mostly the first
// letter of the word one says for the tool (línea, mano alzada, círculo,
// polígono, rectángulo, texto, goma); where two tools share it, a letter of
// the word that the caption also holds (pUntos in círculos, rElleno).
struct ToolKey {
    PaletteButton tool;
    char letter;
};

inline constexpr ToolKey kToolKeys[] = {
    {PaletteButton::Line, 'L'},      {PaletteButton::Freehand, 'M'}, {PaletteButton::Dots, 'U'},
    {PaletteButton::Circle, 'C'},    {PaletteButton::Polygon, 'P'},  {PaletteButton::Rectangle, 'R'},
    {PaletteButton::Fill, 'E'},      {PaletteButton::Text, 'T'},     {PaletteButton::Eraser, 'G'},
};

// The tool's letter; 0 for a button that is no tool.
constexpr char toolKey(PaletteButton button)
{
    for (const ToolKey &key : kToolKeys) {
        if (key.tool == button)
            return key.letter;
    }
    return 0;
}

} // namespace garabel
