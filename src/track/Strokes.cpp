#include "track/Strokes.h"

#include "app/Form1.h"
#include "platform/KeepSurfaceSettings.h"
#include "track/FigureGenerators.h"

namespace garabel {

namespace {
// Both stored images take the shapes, copy by copy; afterwards both are
// transient again, as the dot and freehand steps leave them.
void strokeIntoStoredImages(Form1 &form, const Shapes &shapes)
{
    Surface &canvas = *form.Picture1;
    Surface &sheet = form.sheet();
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

void stampDots(Form1 &form)
{
    strokeIntoStoredImages(form, dotShapes(form.state));
}

void drawFreehandSegment(Form1 &form)
{
    DrawingState &s = form.state;
    s.MirrorX = 2.0 * s.CenterX - s.PrevX;
    s.MirrorY = 2.0 * s.CenterY - s.PrevY;
    strokeIntoStoredImages(form, freehandShapes(s));
}

void eraseAtPointer(Form1 &form)
{
    const DrawingState &s = form.state;
    Surface &canvas = *form.Picture1;
    const double left = s.CurX - s.EraserSize, top = double(s.CurY) - s.EraserSize;
    const double right = s.CurX + s.EraserSize, bottom = double(s.CurY) + s.EraserSize;

    // The sheet's mode is left as the last release set it: persistent.
    canvas.setAutoRedraw(true);
    canvas.filledBox(left, top, right, bottom, kWhite);
    form.sheet().filledBox(left, top, right, bottom, kWhite);
    canvas.setAutoRedraw(false);

    outlineOnOverlay(canvas, canvas.filledBoxPixels(left, top, right, bottom).adjusted(-1, -1, 1, 1));
}

} // namespace garabel
