#include "tools/CircleTool.h"

#include "drawing/DrawingState.h"
#include "tools/FigureWords.h"

namespace garabel {

CircleTool::CircleTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::FillPatterns, OptionGroup::CircleKinds}) {}

CircleFigure CircleTool::figure() const
{
    return {m_env.state.circle.kind, m_anchor, m_pointer, m_radius};
}

Shapes CircleTool::shapes() const
{
    return circleShapes(figure(), mirrors());
}

void CircleTool::preview()
{
    CircleFigure measured = figure();
    storeCircleRadius(measured);
    m_radius = measured.radius;
    FigureTool::preview();
}

QString CircleTool::words() const
{
    return FigureWords::circle(figure(), m_env.state.grid.step);
}

} // namespace garabel
