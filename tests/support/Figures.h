#pragma once

#include "raster/ShownSurface.h"
#include "support/GarabelWindow.h"

namespace garabel::test {

// A solid box drawn as a user draws it: the colour from the colour dialog, the
// rectangle tool with the solid fill, moving freely, a drag from corner to
// corner. The release leaves one undo step. The tool and the grid are chosen
// back afterwards; the colour and the fill pattern stay.
inline void commitBox(GarabelWindow &w, QRectF twips, Rgb colour)
{
    const PaletteButton tool = w.state().tool;
    const bool free = w.state().grid.step == 1;
    w.chooseColourInDialog(colour);
    w.chooseTool(PaletteButton::Rectangle);
    w->onFillPatternButton(FillSolid);
    w.moveFreely(true);
    w.drag({twips.topLeft(), twips.bottomRight()});
    w.chooseTool(tool);
    w.moveFreely(free);
}

} // namespace garabel::test
