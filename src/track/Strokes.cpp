#include "track/Strokes.h"

#include "app/DrawingState.h"
#include "platform/KeepSurfaceSettings.h"
#include "track/FigureGenerators.h"

namespace garabel {

namespace {
// Both stored images take the shapes, copy by copy; afterwards both are
// transient again, as the dot and freehand steps leave them.
void strokeIntoStoredImages(Surface &canvas, Surface &sheet, const Shapes &shapes, Rgb colour)
{
    canvas.setAutoRedraw(true);
    sheet.setAutoRedraw(true);
    drawShapesOnBoth(canvas, sheet, shapes, colour);
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

void stampDots(Surface &canvas, Surface &sheet, const DrawingState &s)
{
    strokeIntoStoredImages(canvas, sheet, dotShapes(s), drawingColour(s));
}

void drawFreehandSegment(Surface &canvas, Surface &sheet, DrawingState &s)
{
    s.pointer.mirrorX = 2.0 * s.grid.centreX - s.pointer.previousX;
    s.pointer.mirrorY = 2.0 * s.grid.centreY - s.pointer.previousY;
    strokeIntoStoredImages(canvas, sheet, freehandShapes(s), drawingColour(s));
}

void eraseAtPointer(Surface &canvas, Surface &sheet, const DrawingState &s)
{
    const double left = s.pointer.x - s.pen.eraserSize, top = double(s.pointer.y) - s.pen.eraserSize;
    const double right = s.pointer.x + s.pen.eraserSize, bottom = double(s.pointer.y) + s.pen.eraserSize;

    // The sheet's mode is left as the last release set it: persistent.
    canvas.setAutoRedraw(true);
    canvas.filledBox(left, top, right, bottom, kWhite);
    sheet.filledBox(left, top, right, bottom, kWhite);
    canvas.setAutoRedraw(false);

    outlineOnOverlay(canvas, canvas.filledBoxPixels(left, top, right, bottom).adjusted(-1, -1, 1, 1));
}

} // namespace garabel
