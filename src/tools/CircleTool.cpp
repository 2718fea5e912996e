#include "tools/CircleTool.h"

#include "drawing/CircleGenerator.h"

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

} // namespace garabel
