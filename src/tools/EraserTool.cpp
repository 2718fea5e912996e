#include "tools/EraserTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "tools/FigureWords.h"

namespace garabel {

EraserTool::EraserTool(ToolEnvironment &env) : StrokeTool(env, {OptionGroup::EraserSizes}) {}

// The eraser size is half the side of the square, which sweeps from the
// previous pointer to this one, as the freehand pen joins its points.
void EraserTool::stroke(QPointF from, QPointF to)
{
    m_env.target.eraseAlong(from, to, m_env.state.pen.eraserSize);
}

QString EraserTool::words() const
{
    return FigureWords::erased(m_pointer, m_env.state.grid.step);
}

} // namespace garabel
