#include "app/MainWindow.h"

#include "platform/Surface.h"
#include "track/FigureGenerators.h"

namespace garabel {

// The rubber-band rectangle and its mirror copies, on the canvas overlay.
void MainWindow::previewRectangle()
{
    drawShapes(*m_canvas, rectangleShapes(m_state), drawingColour(m_state));
}

} // namespace garabel
