#include "app/MainWindow.h"

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
    const double arm = s.grid.step + kCrosshairReach;
    canvas.line(s.pointer.x + arm, s.pointer.y, s.pointer.x - arm, s.pointer.y);
    canvas.line(s.pointer.x, s.pointer.y + arm, s.pointer.x, s.pointer.y - arm);
}

// The text of the text tool follows the pointer, button or not; the release
// prints it there for good.
void previewText(Surface &canvas, const DrawingState &s, const QString &text)
{
    canvas.setCurrentX(s.pointer.x);
    canvas.setCurrentY(s.pointer.y);
    canvas.print(text);
}
} // namespace

void MainWindow::drawForTool()
{
    switch (m_state.tool) {
    case ToolLine:
        drawShapes(*m_canvas, lineShapes(m_state), drawingColour(m_state));
        break;
    case ToolDots:
        stampDots(*m_canvas, currentSheetImage(), m_state);
        break;
    case ToolFreehand:
        drawFreehandSegment(*m_canvas, currentSheetImage(), m_state);
        break;
    case ToolCircle:
        previewCircle();
        break;
    case ToolRectangle:
        previewRectangle();
        break;
    case ToolPolygon:
        previewPolygon();
        break;
    case ToolEraser:
        eraseAtPointer(*m_canvas, currentSheetImage(), m_state);
        break;
    default:
        break;
    }
}

// Fixes the anchor on the grid and its reflection through the canvas centre.
// Any button; nothing is drawn. A stroke tool's undo step is taken here, before
// its first mark, so that one undo removes exactly the stroke.
void MainWindow::onCanvasPressed(int, int, double x, double y)
{
    m_state.pointer.anchorX = snapToGrid(x, m_state.grid.step);
    m_state.pointer.anchorY = snapToGrid(y, m_state.grid.step);
    m_state.pointer.mirrorX = m_state.grid.centreX + (m_state.grid.centreX - m_state.pointer.anchorX);
    m_state.pointer.mirrorY = m_state.grid.centreY + (m_state.grid.centreY - m_state.pointer.anchorY);
    if (drawsWhileMoving(m_state.tool))
        m_undoRing.pushTentative();
}

// Repaints the canvas from its stored image, then draws the crosshair at the
// snapped pointer and, while a button is held, what the tool shows or draws.
void MainWindow::onCanvasMoved(int button, int, double x, double y)
{
    m_canvas->refresh();
    m_canvas->setDrawWidth(kCrosshairWidth);
    m_state.pointer.x = snapToGrid(x, m_state.grid.step);
    m_state.pointer.y = snapToGrid(y, m_state.grid.step);
    drawCrosshair(*m_canvas, m_state);
    if (button != 0) {
        m_canvas->setDrawWidth(m_state.pen.width);
        drawForTool();
    }
    if (m_state.tool == ToolText)
        previewText(*m_canvas, m_state, m_textInput->text());
    m_state.pointer.previousX = m_state.pointer.x;
    m_state.pointer.previousY = m_state.pointer.y;
}

// The marks that follow the pointer (crosshair, guide line, eraser outline, the
// text) go when it leaves the canvas.
void MainWindow::onCanvasLeft()
{
    m_canvas->refresh();
}

} // namespace garabel
