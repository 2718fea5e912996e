#include "tools/EraserTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "tools/FigureWords.h"

#include <QPointF>

namespace garabel {

EraserTool::EraserTool(ToolEnvironment &env) : StrokeTool(env, {OptionGroup::EraserSizes}) {}

// pen.eraserSize is half the side of the square, which sweeps from the
// previous pointer to this one, as the freehand pen joins its points.
void EraserTool::stroke()
{
    const PointerState &p = m_env.state.pointer;
    m_env.target.eraseAlong(QPointF(p.previousX, p.previousY), QPointF(p.x, p.y), m_env.state.pen.eraserSize);
}

QString EraserTool::words() const
{
    return FigureWords::erased(m_env.state);
}

} // namespace garabel
