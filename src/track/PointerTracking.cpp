#include "app/MainWindow.h"

#include "app/GridMath.h"
#include "platform/ShownSurface.h"
#include "track/tools/Tool.h"

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
} // namespace

// Fixes the anchor on the grid and its reflection through the canvas centre,
// then lets the tool begin (a stroke tool takes its undo step here). Any
// button; nothing is drawn.
void MainWindow::onCanvasPressed(int, int, double x, double y)
{
    state.pointer.anchorX = snapToGrid(x, state.grid.step);
    state.pointer.anchorY = snapToGrid(y, state.grid.step);
    state.pointer.mirrorX = state.grid.centreX + (state.grid.centreX - state.pointer.anchorX);
    state.pointer.mirrorY = state.grid.centreY + (state.grid.centreY - state.pointer.anchorY);
    if (Tool *tool = currentTool())
        tool->press();
}

// Repaints the canvas from its stored image, then draws the crosshair at the
// snapped pointer and lets the tool show or draw what it does on a move.
void MainWindow::onCanvasMoved(int button, int, double x, double y)
{
    canvas->refresh();
    canvas->setDrawWidth(kCrosshairWidth);
    state.pointer.x = snapToGrid(x, state.grid.step);
    state.pointer.y = snapToGrid(y, state.grid.step);
    drawCrosshair(*canvas, state);
    if (button != 0)
        canvas->setDrawWidth(state.pen.width);
    if (Tool *tool = currentTool())
        tool->move(button != 0);
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
