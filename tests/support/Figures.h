#pragma once

#include "support/GarabelWindow.h"

namespace garabel::test {

// A solid box drawn as a user draws it: the colour from the colour dialog, the
// rectangle tool with the solid fill, moving freely, a drag from corner to
// corner. The release leaves one undo step.
inline void commitBox(GarabelWindow &w, QRectF twips, Rgb colour)
{
    w.platform.colorAnswers.push_back(colour);
    w->onPaletteButton(PaletteButton::ColourDialog);
    w->onPaletteButton(PaletteButton::Rectangle);
    w->onFillPatternButton(0);
    w->onPaletteButton(PaletteButton::MoveFreely);
    w.drag({twips.topLeft(), twips.bottomRight()});
}

} // namespace garabel::test
