#include "app/MainWindow.h"

#include "platform/ShownSurface.h"
#include "track/CircleGenerator.h"
#include "track/FigureGenerators.h"

namespace garabel {

// The circular figure of circle.kind and its mirror copies, on the canvas
// overlay. The full circle's radius is measured here, for the release to reuse.
void MainWindow::previewCircle()
{
    storeCircleRadius(state);
    drawShapes(canvas->overlay(), circleShapes(state), drawingColour(state));
}

} // namespace garabel
