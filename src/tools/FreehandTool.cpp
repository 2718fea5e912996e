#include "tools/FreehandTool.h"

#include "drawing/DrawingState.h"
#include "drawing/FigureGenerators.h"
#include "tools/FigureWords.h"

namespace garabel {

FreehandTool::FreehandTool(ToolEnvironment &env) : StrokeTool(env, {OptionGroup::PenWidths}, freehandShapes) {}

// The segment's first point is the previous pointer, so its reflection is too.
void FreehandTool::stroke()
{
    DrawingState &s = m_env.state;
    s.pointer.mirrorX = 2.0 * s.grid.centreX - s.pointer.previousX;
    s.pointer.mirrorY = 2.0 * s.grid.centreY - s.pointer.previousY;
    StrokeTool::stroke();
}

QString FreehandTool::words() const
{
    return FigureWords::freehand(m_env.state);
}

} // namespace garabel
