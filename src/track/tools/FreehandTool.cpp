#include "track/tools/FreehandTool.h"

#include "app/DrawingState.h"
#include "app/DrawingTarget.h"
#include "track/FigureGenerators.h"
#include "track/tools/ToolControls.h"

namespace garabel {

void FreehandTool::showOptions()
{
    m_env.controls.showOnly({OptionGroup::PenWidths});
}

// The segment's first point is the previous pointer, so its reflection is too.
void FreehandTool::stroke()
{
    DrawingState &s = m_env.state;
    s.pointer.mirrorX = 2.0 * s.grid.centreX - s.pointer.previousX;
    s.pointer.mirrorY = 2.0 * s.grid.centreY - s.pointer.previousY;
    m_env.target.stroke(freehandShapes(s), drawingColour(s));
}

} // namespace garabel
