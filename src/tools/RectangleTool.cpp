#include "tools/RectangleTool.h"

#include "drawing/DrawingState.h"
#include "drawing/FigureGenerators.h"
#include "tools/FigureWords.h"

namespace garabel {

RectangleTool::RectangleTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::FillPatterns}) {}

Shapes RectangleTool::shapes() const
{
    return rectangleShapes(m_anchor, m_pointer, mirrors());
}

QString RectangleTool::words() const
{
    return FigureWords::box(m_anchor, m_pointer, m_env.state.grid.step);
}

} // namespace garabel
