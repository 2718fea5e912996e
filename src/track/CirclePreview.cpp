#include "app/MainWindow.h"

#include "platform/Surface.h"
#include "track/CircleGenerator.h"
#include "track/FigureGenerators.h"

namespace garabel {

// The circular figure of circle.kind and its mirror copies, on the canvas
// overlay. The full circle's radius is measured here, for the release to reuse.
void MainWindow::previewCircle()
{
    storeCircleRadius(m_state);
    drawShapes(*m_canvas, circleShapes(m_state), drawingColour(m_state));
}

} // namespace garabel
