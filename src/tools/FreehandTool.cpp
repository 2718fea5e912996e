#include "tools/FreehandTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/FigureGenerators.h"
#include "tools/FigureWords.h"

namespace garabel {

FreehandTool::FreehandTool(ToolEnvironment &env) : StrokeTool(env, {OptionGroup::PenWidths}) {}

void FreehandTool::stroke(QPointF from, QPointF to)
{
    m_env.target.store(lineShapes(from, to, mirrors()), drawingColour(m_env.state));
}

QString FreehandTool::words() const
{
    return FigureWords::freehand(m_pointer, m_env.state.grid.step);
}

} // namespace garabel
