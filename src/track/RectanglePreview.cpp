#include "app/Form1.h"

#include "platform/Surface.h"
#include "track/FigureGenerators.h"

namespace garabel {

// The rubber-band rectangle and its mirror copies, on the canvas overlay.
void Form1::PreviewRectangle()
{
    drawShapes(*Picture1, rectangleShapes(state), drawingColour(state));
}

} // namespace garabel
