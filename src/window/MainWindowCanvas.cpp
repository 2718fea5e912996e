#include "window/MainWindow.h"

#include "drawing/GridMath.h"
#include "raster/ShownSurface.h"
#include "tools/FigureWords.h"
#include "tools/Tool.h"
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
void drawCrosshair(ShownSurface &canvas, const DrawingState &s)
{
    const double arm = s.grid.step + kCrosshairReach;
    const Pen edge{.colour = contrastingColour(s.pen.colour), .width = kCrosshairWidth + 2};
    const Pen crosshair{.colour = s.pen.colour, .width = kCrosshairWidth};
    for (const Pen *pen : {&edge, &crosshair}) {
        const SurfaceLayer overlay = canvas.overlay(*pen);
        overlay.line(s.pointer.x + arm, s.pointer.y, s.pointer.x - arm, s.pointer.y);
        overlay.line(s.pointer.x, s.pointer.y + arm, s.pointer.x, s.pointer.y - arm);
    }
}

// The tools whose figure spans from the anchor to the crosshair.
bool spansFromAnchor(PaletteButton tool)
{
    return tool == PaletteButton::Line || tool == PaletteButton::Rectangle || tool == PaletteButton::Circle
        || tool == PaletteButton::Polygon;
}
} // namespace

// Fixes the anchor on the grid and its reflection through the canvas centre,
// then lets the tool begin (a stroke tool takes its undo step here). Any
// button; nothing is drawn.
void MainWindow::onCanvasPressed(int, int, double x, double y)
{
    // A press on the help page only gives the drawing back.
    m_drag = helpShown() ? Drag::Ignored : Drag::Drawing;
    if (m_drag == Drag::Ignored) {
        leaveHelp();
        return;
    }
    m_state.pointer.anchorX = snapToNearestGridPoint(x, m_state.grid.step);
    m_state.pointer.anchorY = snapToNearestGridPoint(y, m_state.grid.step);
    m_state.pointer.mirrorX = m_state.grid.centreX + (m_state.grid.centreX - m_state.pointer.anchorX);
    m_state.pointer.mirrorY = m_state.grid.centreY + (m_state.grid.centreY - m_state.pointer.anchorY);
    if (Tool *tool = currentTool())
        tool->press();
    if (spansFromAnchor(m_state.tool))
        m_canvasAccessible->tell(FigureWords::anchor(m_state));
}

// Repaints the canvas from its stored image, then draws the crosshair at the
// snapped pointer and lets the tool show or draw what it does on a move.
void MainWindow::onCanvasMoved(int button, int, double x, double y)
{
    if (m_drag == Drag::Ignored)
        button = 0;
    m_canvas->refresh();
    m_state.pointer.x = snapToNearestGridPoint(x, m_state.grid.step);
    m_state.pointer.y = snapToNearestGridPoint(y, m_state.grid.step);
    // A move that stays on its grid point (a key press, Escape) says nothing.
    const bool moved = m_state.pointer.x != m_state.pointer.previousX || m_state.pointer.y != m_state.pointer.previousY;
    drawCrosshair(*m_canvas, m_state);
    if (Tool *tool = currentTool())
        tool->move(button != 0);
    m_state.pointer.previousX = m_state.pointer.x;
    m_state.pointer.previousY = m_state.pointer.y;
    m_keyboardPointer->follow(m_state.pointer.x, m_state.pointer.y);
    if (moved)
        m_canvasAccessible->setValue(placeWords());
}

// Where the crosshair is; while a figure is dragged, its size too, once the
// crosshair has left the anchor, which the press has told.
QString MainWindow::placeWords() const
{
    const PointerState &p = m_state.pointer;
    if (m_drag != Drag::Drawing || !spansFromAnchor(m_state.tool))
        return FigureWords::crosshair(m_state);
    if (p.x == p.anchorX && p.y == p.anchorY)
        return FigureWords::anchor(m_state);
    return tr("%1; %2").arg(FigureWords::crosshair(m_state), FigureWords::size(m_state));
}

// The marks that follow the pointer (crosshair, guide line, eraser outline, the
// text) go when it leaves the canvas.
void MainWindow::onCanvasLeft()
{
    m_canvas->refresh();
}

// The tool commits what its preview has been showing, from the state the press
// and the last move left; the release's own position and button are not used.
void MainWindow::onCanvasReleased(int, int, double, double)
{
    if (std::exchange(m_drag, Drag::None) == Drag::Ignored)
        return;
    if (Tool *tool = currentTool()) {
        tool->release();
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
    onCanvasMoved(0, 0, m_state.pointer.x, m_state.pointer.y);
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
    m_state.text.pending = true;
}

} // namespace garabel
