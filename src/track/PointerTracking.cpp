#include "app/MainWindow.h"

#include "app/GridMath.h"
#include "app/TextBox.h"
#include "platform/ShownSurface.h"
#include "track/FigureGenerators.h"
#include "track/Strokes.h"

namespace garabel {

namespace {
constexpr int kCrosshairWidth = 2;
// How far each crosshair arm reaches beyond one grid step, in twips.
constexpr int kCrosshairReach = 100;

// Drawn without a colour: the canvas's ForeColor, the colour last picked.
void drawCrosshair(ShownSurface &canvas, const DrawingState &s)
{
    const double arm = s.grid.step + kCrosshairReach;
    canvas.overlay().line(s.pointer.x + arm, s.pointer.y, s.pointer.x - arm, s.pointer.y);
    canvas.overlay().line(s.pointer.x, s.pointer.y + arm, s.pointer.x, s.pointer.y - arm);
}

void previewLine(MainWindow &form)
{
    drawShapes(form.canvas->overlay(), lineShapes(form.state), drawingColour(form.state));
}

// With a button held: the preview of a figure tool on the overlay, or the mark
// of a stroke tool in the stored images.
void drawForTool(MainWindow &form)
{
    switch (form.state.tool) {
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
        form.previewCircle();
        break;
    case ToolRectangle:
        form.previewRectangle();
        break;
    case ToolPolygon:
        form.previewPolygon();
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
void previewText(MainWindow &form)
{
    ShownSurface &canvas = *form.canvas;
    canvas.setCurrentX(form.state.pointer.x);
    canvas.setCurrentY(form.state.pointer.y);
    canvas.overlay().print(form.textInput->text());
}
} // namespace

// Fixes the anchor on the grid and its reflection through the canvas centre.
// Any button; nothing is drawn. A stroke tool's undo step is taken here, before
// its first mark, so that one undo removes exactly the stroke.
void MainWindow::onCanvasPressed(int, int, double x, double y)
{
    state.pointer.anchorX = snapToGrid(x, state.grid.step);
    state.pointer.anchorY = snapToGrid(y, state.grid.step);
    state.pointer.mirrorX = state.grid.centreX + (state.grid.centreX - state.pointer.anchorX);
    state.pointer.mirrorY = state.grid.centreY + (state.grid.centreY - state.pointer.anchorY);
    if (drawsWhileMoving(state.tool))
        pushTentativeUndoSnapshot();
}

// Repaints the canvas from its stored image, then draws the crosshair at the
// snapped pointer and, while a button is held, what the tool shows or draws.
void MainWindow::onCanvasMoved(int button, int, double x, double y)
{
    canvas->refresh();
    canvas->setDrawWidth(kCrosshairWidth);
    state.pointer.x = snapToGrid(x, state.grid.step);
    state.pointer.y = snapToGrid(y, state.grid.step);
    drawCrosshair(*canvas, state);
    if (button != 0) {
        canvas->setDrawWidth(state.pen.width);
        drawForTool(*this);
    }
    if (state.tool == ToolText)
        previewText(*this);
    state.pointer.previousX = state.pointer.x;
    state.pointer.previousY = state.pointer.y;
}

// The marks that follow the pointer (crosshair, guide line, eraser outline, the
// text) go when it leaves the canvas.
void MainWindow::onCanvasLeft()
{
    canvas->refresh();
}

} // namespace garabel
