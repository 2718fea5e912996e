#include "app/Form1.h"

#include "app/GridMath.h"
#include "app/TextBox.h"
#include "platform/Surface.h"
#include "track/FigureGenerators.h"
#include "track/Strokes.h"

namespace garabel {

namespace {
constexpr int kCrosshairWidth = 2;
// How far each crosshair arm reaches beyond one grid step, in twips.
constexpr int kCrosshairReach = 100;

// Drawn without a colour: the canvas's ForeColor, the colour last picked.
void drawCrosshair(Surface &canvas, const DrawingState &s)
{
    const double arm = s.GridStep + kCrosshairReach;
    canvas.line(s.CurX + arm, s.CurY, s.CurX - arm, s.CurY);
    canvas.line(s.CurX, s.CurY + arm, s.CurX, s.CurY - arm);
}

void previewLine(Form1 &form)
{
    drawShapes(*form.Picture1, lineShapes(form.state), drawingColour(form.state));
}

// With a button held: the preview of a figure tool on the overlay, or the mark
// of a stroke tool in the stored images.
void drawForTool(Form1 &form)
{
    switch (form.state.Tool) {
    case ToolLine:
        previewLine(form);
        break;
    case ToolDots:
        stampDots(form);
        break;
    case ToolFreehand:
        drawFreehandSegment(form);
        break;
    case ToolCircle:
        form.PreviewCircle();
        break;
    case ToolRectangle:
        form.PreviewRectangle();
        break;
    case ToolPolygon:
        form.PreviewPolygon();
        break;
    case ToolEraser:
        eraseAtPointer(form);
        break;
    default:
        break;
    }
}

// The text of the text tool follows the pointer, button or not; the release
// prints it there for good.
void previewText(Form1 &form)
{
    Surface &canvas = *form.Picture1;
    canvas.setCurrentX(form.state.CurX);
    canvas.setCurrentY(form.state.CurY);
    canvas.print(form.Text1->text());
}
} // namespace

// Fixes the anchor on the grid and its reflection through the canvas centre.
// Any button; nothing is drawn. A stroke tool's undo step is taken here, before
// its first mark, so that one undo removes exactly the stroke.
void Form1::Picture1_MouseDown(int, int, double x, double y)
{
    state.StartX = snapToGrid(x, state.GridStep);
    state.StartY = snapToGrid(y, state.GridStep);
    state.MirrorX = state.CenterX + (state.CenterX - state.StartX);
    state.MirrorY = state.CenterY + (state.CenterY - state.StartY);
    if (drawsWhileMoving(state.Tool))
        PushTentativeUndoSnapshot();
}

// Repaints the canvas from its stored image, then draws the crosshair at the
// snapped pointer and, while a button is held, what the tool shows or draws.
void Form1::Picture1_MouseMove(int button, int, double x, double y)
{
    Picture1->refresh();
    Picture1->setDrawWidth(kCrosshairWidth);
    state.CurX = snapToGrid(x, state.GridStep);
    state.CurY = snapToGrid(y, state.GridStep);
    drawCrosshair(*Picture1, state);
    if (button != 0) {
        Picture1->setDrawWidth(state.PenWidth);
        drawForTool(*this);
    }
    if (state.Tool == ToolText)
        previewText(*this);
    state.PrevX = state.CurX;
    state.PrevY = state.CurY;
}

// The marks that follow the pointer (crosshair, guide line, eraser outline, the
// text) go when it leaves the canvas.
void Form1::Picture1_MouseLeave()
{
    Picture1->refresh();
}

} // namespace garabel
