#include "app/MainWindow.h"

#include "platform/ShownSurface.h"
#include "track/FigureGenerators.h"

namespace garabel {

// The rubber-band rectangle and its mirror copies, on the canvas overlay.
void MainWindow::previewRectangle()
{
    drawShapes(canvas->overlay(), rectangleShapes(state), drawingColour(state));
}

} // namespace garabel
