#pragma once

#include "app/PaletteButton.h"

namespace garabel {

class ComboBox;
class Label;
class TextBox;

// The option controls a tool shows below the canvas, for the palette steps that
// hide them all and show the chosen tool's group. The window owns them.
struct OptionControls {
    ButtonArray &polygonModeButtons, &circleKindButtons, &penWidthButtons, &fillPatternButtons, &fontStyleButtons,
        &eraserSizeButtons;
    Label &sideCountLabel, &textPreview;
    ComboBox &sideCountList, &fontSizeList, &fontNameList;
    TextBox &textInput;
};

} // namespace garabel
