#include "app/Form1.h"

#include "platform/Surface.h"
#include "track/CircleGenerator.h"
#include "track/FigureGenerators.h"

namespace garabel {

// The circular figure of CircleMode and its mirror copies, on the canvas
// overlay. The full circle's radius is measured here, for the release to reuse.
void Form1::PreviewCircle()
{
    storeCircleRadius(state);
    drawShapes(*Picture1, circleShapes(state), drawingColour(state));
}

} // namespace garabel
