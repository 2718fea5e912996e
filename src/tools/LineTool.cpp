#include "tools/LineTool.h"

#include "drawing/DrawingState.h"
#include "drawing/FigureGenerators.h"
#include "tools/FigureWords.h"

namespace garabel {

LineTool::LineTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::PenWidths}) {}

Shapes LineTool::shapes() const
{
    return lineShapes(m_anchor, m_pointer, mirrors());
}

QString LineTool::words() const
{
    return FigureWords::line(m_anchor, m_pointer, m_env.state.grid.step);
}

} // namespace garabel
