#pragma once

#include "app/MainWindow.h"
#include "platform/Surface.h"

namespace garabel::test {

// Draws a filled box into the stored images of the canvas and the current sheet,
// as a committed figure would be, without going through the pointer.
inline void drawOnCanvasAndSheet(MainWindow &form, QRectF twips, Rgb colour)
{
    for (Surface *surface : {form.canvas.get(), &form.currentSheetImage()}) {
        const bool was = surface->autoRedraw();
        surface->setAutoRedraw(true);
        surface->filledBox(twips.left(), twips.top(), twips.right(), twips.bottom(), colour);
        surface->setAutoRedraw(was);
    }
}

// A release as the program makes it: the snapshot first, then the figure.
inline void commitBox(MainWindow &form, QRectF twips, Rgb colour)
{
    form.pushUndoSnapshot();
    drawOnCanvasAndSheet(form, twips, colour);
}

} // namespace garabel::test
