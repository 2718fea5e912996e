#include "tools/RectangleTool.h"

#include "drawing/FigureGenerators.h"
#include "tools/FigureWords.h"

namespace garabel {

RectangleTool::RectangleTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::FillPatterns}, rectangleShapes) {}

QString RectangleTool::words() const
{
    return FigureWords::box(m_env.state);
}

} // namespace garabel
