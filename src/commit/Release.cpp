#include "app/MainWindow.h"

#include "commit/FloodFillCommit.h"
#include "commit/TextPlacement.h"
#include "platform/Surface.h"
#include "track/CircleGenerator.h"
#include "track/FigureGenerators.h"
#include "track/PolygonGenerator.h"

namespace garabel {

namespace {
// Both surfaces persistent, and both at the pen width: whatever width the
// crosshair or the dot grid left on the canvas, the canvas must end up showing
// exactly what the sheet stores.
void prepareBothSurfaces(Surface &canvas, Surface &sheet, int penWidth)
{
    canvas.setAutoRedraw(true);
    sheet.setAutoRedraw(true);
    canvas.setDrawWidth(penWidth);
    sheet.setDrawWidth(penWidth);
}

// The figure of the tool, at most one branch. The stroke tools (3, 4, 18) have
// drawn everything while the pointer moved; the text tool has its own step.
void commitFigure(Surface &canvas, Surface &sheet, const DrawingState &state)
{
    const auto commit = [&](const Shapes &shapes) { drawShapesOnBoth(canvas, sheet, shapes, drawingColour(state)); };
    switch (state.tool) {
    case ToolLine:
        commit(lineShapes(state));
        break;
    case ToolRectangle:
        commit(rectangleShapes(state));
        break;
    case ToolCircle:   // circle.radius as the last preview stored it, not measured again
        commit(circleShapes(state));
        break;
    case ToolFill:     // the flood fill under the pointer, never mirrored
        commitFloodFill(canvas, sheet, state);
        break;
    case ToolPolygon:  // the polygon of the last preview's vertices, never mirrored
        if (state.polygon.sideCount > 0)  // no preview yet: no vertices to join
            commit(polygonEdges(state));
        break;
    default:
        break;
    }
}
} // namespace

// Commits the figure the preview has been showing, from the state the press and
// the last move left; the release's own position and button are not used.
// The snapshot comes first, so undo steps back to before this release; the
// stroke tools took theirs at the press, before their first mark.
void MainWindow::onCanvasReleased(int, int, double, double)
{
    if (!drawsWhileMoving(m_state.tool))
        m_undoRing.pushTentative();
    prepareBothSurfaces(*m_canvas, currentSheetImage(), m_state.pen.width);
    commitFigure(*m_canvas, currentSheetImage(), m_state);
    // The text tool's placement runs after the figure, independently of it.
    if (m_state.tool == ToolText)
        placeTextOnRelease(*m_canvas, currentSheetImage(), m_state, *m_textInput, *m_textPreview);
    m_canvas->setAutoRedraw(false);
    currentSheetImage().setAutoRedraw(true);
    m_undoRing.dropIfUnchanged();
}

} // namespace garabel
