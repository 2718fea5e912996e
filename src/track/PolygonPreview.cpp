#include "app/MainWindow.h"

#include "app/ComboBox.h"
#include "platform/Surface.h"
#include "track/FigureGenerators.h"
#include "track/PolygonGenerator.h"

namespace garabel {

// Computes the polygon afresh from the list's side count and leaves it in the
// state for the release, then shows it on the canvas overlay, unmirrored.
void MainWindow::previewPolygon()
{
    m_state.polygon.sideCount = polygonSideCount(m_sideCountList->text());
    placePolygonVertices(m_state);
    if (const auto guide = polygonGuide(m_state))
        m_canvas->line(guide->from.x(), guide->from.y(), guide->to.x(), guide->to.y());
    drawShapes(*m_canvas, polygonEdges(m_state), drawingColour(m_state));
}

} // namespace garabel
