#include "track/Strokes.h"

#include "app/MainWindow.h"
#include "platform/KeepSurfaceSettings.h"
#include "platform/ShownSurface.h"
#include "track/FigureGenerators.h"

namespace garabel {

namespace {
// Both stored images take the shapes, copy by copy.
void strokeIntoStoredImages(MainWindow &form, const Shapes &shapes)
{
    drawShapesOnBoth(form.canvas->stored(), form.currentSheetImage().stored(), shapes, drawingColour(form.state));
}
// A one-pixel black frame just outside the erased pixels, unfilled so that the
// spot just erased shows through.
void outlineOnOverlay(ShownSurface &canvas, const QRect &pixels)
{
    const KeepSurfaceSettings kept(canvas);
    canvas.setDrawWidth(1);
    canvas.setFillStyle(FillTransparent);
    canvas.overlay(Units::Pixels).box(pixels.left(), pixels.top(), pixels.right(), pixels.bottom(), kBlack);
}
} // namespace

void stampDots(MainWindow &form)
{
    strokeIntoStoredImages(form, dotShapes(form.state));
}

void drawFreehandSegment(MainWindow &form)
{
    DrawingState &s = form.state;
    s.pointer.mirrorX = 2.0 * s.grid.centreX - s.pointer.previousX;
    s.pointer.mirrorY = 2.0 * s.grid.centreY - s.pointer.previousY;
    strokeIntoStoredImages(form, freehandShapes(s));
}

void eraseAtPointer(MainWindow &form)
{
    const DrawingState &s = form.state;
    ShownSurface &canvas = *form.canvas;
    const double left = s.pointer.x - s.pen.eraserSize, top = double(s.pointer.y) - s.pen.eraserSize;
    const double right = s.pointer.x + s.pen.eraserSize, bottom = double(s.pointer.y) + s.pen.eraserSize;

    canvas.stored().filledBox(left, top, right, bottom, kWhite);
    form.currentSheetImage().stored().filledBox(left, top, right, bottom, kWhite);

    outlineOnOverlay(canvas, canvas.stored().filledBoxPixels(left, top, right, bottom).adjusted(-1, -1, 1, 1));
}

} // namespace garabel
