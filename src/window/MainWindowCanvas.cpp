#include "window/MainWindow.h"

#include "drawing/GridMath.h"
#include "raster/ShownSurface.h"
#include "tools/FigureWords.h"
#include "tools/PointerEvent.h"
#include "tools/Tool.h"
#include "tools/ToolBox.h"
#include "window/CanvasAccessible.h"
#include "window/KeyboardPointer.h"
#include "window/Label.h"
#include "window/TextBox.h"

#include <utility>

namespace garabel {

namespace {
constexpr int kCrosshairWidth = 2;
// How far each crosshair arm reaches beyond one grid step, in twips.
constexpr int kCrosshairReach = 100;

// Black beside light colours, white beside dark ones.
Rgb contrastingColour(Rgb colour)
{
    return qGray(toQRgb(colour)) < 128 ? kWhite : kBlack;
}

// In the pen's colour, the colour last picked on the strip, at a width of its
// own, inside a one-pixel edge of a contrasting colour: seen even over a fill
// of its own colour. Both edges go first, so that neither crosses the other arm.
void drawCrosshair(ShownSurface &canvas, const DrawingState &s, QPointF at)
{
    const double arm = s.grid.step + kCrosshairReach;
    const Pen edge{.colour = contrastingColour(s.pen.colour), .width = kCrosshairWidth + 2};
    const Pen crosshair{.colour = s.pen.colour, .width = kCrosshairWidth};
    for (const Pen *pen : {&edge, &crosshair}) {
        const SurfaceLayer overlay = canvas.overlay(*pen);
        overlay.line(at.x() + arm, at.y(), at.x() - arm, at.y());
        overlay.line(at.x(), at.y() + arm, at.x(), at.y() - arm);
    }
}
} // namespace

// The one place the pointer is snapped: every event reaches the tools on the
// grid point nearest to it, with the crosshair where the last move left it.
PointerEvent MainWindow::pointerEvent(int buttons, int shift, double x, double y) const
{
    const int step = m_state.grid.step;
    return {QPointF(snapToNearestGridPoint(x, step), snapToNearestGridPoint(y, step)), QPointF(x, y), m_pointer.at,
            buttons, shift};
}

// Lets the tool begin at the snapped point, its anchor (a stroke tool takes its
// undo step here). Any button; nothing is drawn.
void MainWindow::onCanvasPressed(int button, int shift, double x, double y)
{
    // A press on the help page only gives the drawing back.
    m_drag = helpShown() ? Drag::Ignored : Drag::Drawing;
    if (m_drag == Drag::Ignored) {
        leaveHelp();
        return;
    }
    const PointerEvent event = pointerEvent(button, shift, x, y);
    m_pointer.pressedAt = event.at;
    Tool *tool = currentTool();
    if (tool)
        tool->press(event);
    if (tool && tool->spansFromAnchor())
        m_canvasAccessible->tell(FigureWords::anchor(m_pointer.pressedAt, m_state.grid.step));
}

// Repaints the canvas from its stored image, then draws the crosshair at the
// snapped pointer and lets the tool show or draw what it does on a move.
void MainWindow::onCanvasMoved(int button, int shift, double x, double y)
{
    if (m_drag == Drag::Ignored)
        button = 0;
    m_canvas->refresh();
    const PointerEvent event = pointerEvent(button, shift, x, y);
    m_pointer.at = event.at;
    // A move that stays on its grid point (a key press, Escape) says nothing.
    const bool moved = event.at != event.before;
    drawCrosshair(*m_canvas, m_state, m_pointer.at);
    if (Tool *tool = currentTool())
        tool->move(event);
    m_keyboardPointer->follow(m_pointer.at.x(), m_pointer.at.y());
    if (moved)
        m_canvasAccessible->setValue(placeWords());
}

// Where the crosshair is; while a figure is dragged, its size too, once the
// crosshair has left the anchor, which the press has told.
QString MainWindow::placeWords() const
{
    const int step = m_state.grid.step;
    const Tool *tool = currentTool();
    if (m_drag != Drag::Drawing || !tool || !tool->spansFromAnchor())
        return FigureWords::crosshair(m_pointer.at, step);
    if (m_pointer.at == m_pointer.pressedAt)
        return FigureWords::anchor(m_pointer.pressedAt, step);
    return tr("%1; %2").arg(FigureWords::crosshair(m_pointer.at, step),
                            FigureWords::size(m_pointer.pressedAt, m_pointer.at, step));
}

// The marks that follow the pointer (crosshair, guide line, eraser outline, the
// text) go when it leaves the canvas.
void MainWindow::onCanvasLeft()
{
    m_canvas->refresh();
}

// The tool commits what its preview has been showing, from what the press and
// the last move left.
void MainWindow::onCanvasReleased(int button, int shift, double x, double y)
{
    if (std::exchange(m_drag, Drag::None) == Drag::Ignored)
        return;
    if (Tool *tool = currentTool()) {
        tool->release(pointerEvent(button, shift, x, y));
        tellDrawn(*tool);
    }
}

// Escape in the middle of a drag, mouse or keyboard: the tool takes back what
// the drag drew, the canvas shows the sheet again with the crosshair where it
// was, and the rest of the drag goes to no one.
void MainWindow::cancelDrag()
{
    m_drag = Drag::Ignored;
    m_keyboardPointer->forgetPress();
    if (Tool *tool = currentTool())
        tool->cancel();
    showSheetAgain();
    onCanvasMoved(0, 0, m_pointer.at.x(), m_pointer.at.y());
    m_canvasAccessible->tell(FigureWords::cancelled());
}

void MainWindow::cancelDragInProgress()
{
    if (m_drag == Drag::Drawing)
        cancelDrag();
}

bool MainWindow::tellDrawn(Tool &tool)
{
    const QString drawn = tool.takeDrawn();
    if (!drawn.isEmpty())
        m_canvasAccessible->tell(drawn);
    return !drawn.isEmpty();
}

// Typing shows the text live in the prompt and marks it for the next release.
void MainWindow::onTextEdited()
{
    m_textPreview->setCaption(m_textInput->text());
    if (Tool *text = m_tools->toolOn(PaletteButton::Text))
        text->textEdited();
}

} // namespace garabel
