#include "track/tools/EraserTool.h"

#include "app/DrawingState.h"
#include "app/DrawingTarget.h"
#include "track/tools/ToolControls.h"

namespace garabel {

void EraserTool::showOptions()
{
    m_env.controls.showOnly({OptionGroup::EraserSizes});
}

// pen.eraserSize is half the side of the square.
void EraserTool::stroke()
{
    const DrawingState &s = m_env.state;
    const double half = s.pen.eraserSize;
    m_env.target.erase(s.pointer.x - half, double(s.pointer.y) - half, s.pointer.x + half, double(s.pointer.y) + half);
}

} // namespace garabel
