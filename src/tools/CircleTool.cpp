#include "tools/CircleTool.h"

#include "drawing/CircleGenerator.h"
#include "tools/FigureWords.h"

namespace garabel {

CircleTool::CircleTool(ToolEnvironment &env)
    : FigureTool(env, {OptionGroup::FillPatterns, OptionGroup::CircleKinds}, circleShapes)
{
}

void CircleTool::preview()
{
    storeCircleRadius(m_env.state);
    FigureTool::preview();
}

QString CircleTool::words() const
{
    return FigureWords::circle(m_env.state);
}

} // namespace garabel
