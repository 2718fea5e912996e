#include "track/tools/EraserTool.h"

#include "app/DrawingState.h"
#include "app/DrawingTarget.h"

namespace garabel {

EraserTool::EraserTool(ToolEnvironment &env) : StrokeTool(env, {OptionGroup::EraserSizes}) {}

// pen.eraserSize is half the side of the square.
void EraserTool::stroke()
{
    const DrawingState &s = m_env.state;
    const double half = s.pen.eraserSize;
    m_env.target.erase(s.pointer.x - half, double(s.pointer.y) - half, s.pointer.x + half, double(s.pointer.y) + half);
}

} // namespace garabel
