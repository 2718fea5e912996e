#include "app/MainWindow.h"

#include "commit/FloodFillCommit.h"
#include "commit/TextPlacement.h"
#include "platform/ShownSurface.h"
#include "track/CircleGenerator.h"
#include "track/FigureGenerators.h"
#include "track/PolygonGenerator.h"

namespace garabel {

namespace {
// Both surfaces at the pen width: whatever width the crosshair or the dot grid
// left on the canvas, the canvas must end up showing exactly what the sheet stores.
void prepareBothSurfaces(MainWindow &form)
{
    form.canvas->setDrawWidth(form.state.pen.width);
    form.currentSheetImage().setDrawWidth(form.state.pen.width);
}

void commit(MainWindow &form, const Shapes &shapes)
{
    drawShapesOnBoth(form.canvas->stored(), form.currentSheetImage().stored(), shapes, drawingColour(form.state));
}

// The figure of the tool, at most one branch. The stroke tools (3, 4, 18) have
// drawn everything while the pointer moved; the text tool has its own step.
void commitFigure(MainWindow &form)
{
    switch (form.state.tool) {
    case ToolLine:
        commit(form, lineShapes(form.state));
        break;
    case ToolRectangle:
        commit(form, rectangleShapes(form.state));
        break;
    case ToolCircle:   // circle.radius as the last preview stored it, not measured again
        commit(form, circleShapes(form.state));
        break;
    case ToolFill:     // the flood fill under the pointer, never mirrored
        commitFloodFill(form);
        break;
    case ToolPolygon:  // the polygon of the last preview's vertices, never mirrored
        if (form.state.polygon.sideCount > 0)  // no preview yet: no vertices to join
            commit(form, polygonEdges(form.state));
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
    if (!drawsWhileMoving(state.tool))
        pushTentativeUndoSnapshot();
    prepareBothSurfaces(*this);
    commitFigure(*this);
    // The text tool's placement runs after the figure, independently of it.
    if (state.tool == ToolText)
        placeTextOnRelease(*this);
    dropUnchangedUndoSnapshot();
}

} // namespace garabel
