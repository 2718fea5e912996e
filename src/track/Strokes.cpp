#include "track/Strokes.h"

#include "app/MainWindow.h"
#include "platform/KeepSurfaceSettings.h"
#include "track/FigureGenerators.h"

namespace garabel {

namespace {
// Both stored images take the shapes, copy by copy; afterwards both are
// transient again, as the dot and freehand steps leave them.
void strokeIntoStoredImages(MainWindow &form, const Shapes &shapes)
{
    Surface &canvas = *form.canvas;
    Surface &sheet = form.currentSheetImage();
    canvas.setAutoRedraw(true);
    sheet.setAutoRedraw(true);
    drawShapesOnBoth(canvas, sheet, shapes, drawingColour(form.state));
    canvas.setAutoRedraw(false);
    sheet.setAutoRedraw(false);
}
// A one-pixel black frame just outside the erased pixels, unfilled so that the
// spot just erased shows through.
void outlineOnOverlay(Surface &canvas, const QRect &pixels)
{
    const KeepSurfaceSettings kept(canvas);
    canvas.setScaleMode(ScaleMode::Pixels);
    canvas.setDrawWidth(1);
    canvas.setFillStyle(FillTransparent);
    canvas.box(pixels.left(), pixels.top(), pixels.right(), pixels.bottom(), kBlack);
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
    Surface &canvas = *form.canvas;
    const double left = s.pointer.x - s.pen.eraserSize, top = double(s.pointer.y) - s.pen.eraserSize;
    const double right = s.pointer.x + s.pen.eraserSize, bottom = double(s.pointer.y) + s.pen.eraserSize;

    // The sheet's mode is left as the last release set it: persistent.
    canvas.setAutoRedraw(true);
    canvas.filledBox(left, top, right, bottom, kWhite);
    form.currentSheetImage().filledBox(left, top, right, bottom, kWhite);
    canvas.setAutoRedraw(false);

    outlineOnOverlay(canvas, canvas.filledBoxPixels(left, top, right, bottom).adjusted(-1, -1, 1, 1));
}

} // namespace garabel
