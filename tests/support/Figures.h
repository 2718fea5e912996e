#pragma once

#include "app/MainWindow.h"
#include "platform/ShownSurface.h"

#include <array>

namespace garabel::test {

// The canvas and the current sheet, the two surfaces a commit draws on.
inline std::array<Surface *, 2> canvasAndSheet(MainWindow &form)
{
    return {form.canvas.get(), &form.currentSheetImage()};
}

// Draws a filled box into the stored images of the canvas and the current sheet,
// as a committed figure would be, without going through the pointer.
inline void drawOnCanvasAndSheet(MainWindow &form, QRectF twips, Rgb colour)
{
    for (Surface *surface : canvasAndSheet(form))
        surface->stored().filledBox(twips.left(), twips.top(), twips.right(), twips.bottom(), colour);
}

// A release as the program makes it: the snapshot first, then the figure.
inline void commitBox(MainWindow &form, QRectF twips, Rgb colour)
{
    form.pushUndoSnapshot();
    drawOnCanvasAndSheet(form, twips, colour);
}

} // namespace garabel::test
