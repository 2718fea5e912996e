#include "app/MainWindow.h"

#include "app/ComboBox.h"
#include "platform/ShownSurface.h"
#include "track/FigureGenerators.h"
#include "track/PolygonGenerator.h"

namespace garabel {

// Computes the polygon afresh from the list's side count and leaves it in the
// state for the release, then shows it on the canvas overlay, unmirrored.
void MainWindow::previewPolygon()
{
    state.polygon.sideCount = polygonSideCount(sideCountList->text());
    placePolygonVertices(state);
    if (const auto guide = polygonGuide(state))
        canvas->overlay().line(guide->from.x(), guide->from.y(), guide->to.x(), guide->to.y());
    drawShapes(canvas->overlay(), polygonEdges(state), drawingColour(state));
}

} // namespace garabel
