#include "tools/DotsTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/FigureGenerators.h"
#include "tools/FigureWords.h"

namespace garabel {

DotsTool::DotsTool(ToolEnvironment &env) : StrokeTool(env, {OptionGroup::SolidOrNoFill}) {}

void DotsTool::stroke(QPointF, QPointF to)
{
    m_env.target.store(dotShapes(to, m_env.state.pen.dotRadius, mirrors()), drawingColour(m_env.state));
}

QString DotsTool::words() const
{
    return FigureWords::dots(m_pointer, m_env.state.grid.step);
}

} // namespace garabel
