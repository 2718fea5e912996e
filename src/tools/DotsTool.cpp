#include "tools/DotsTool.h"

#include "drawing/FigureGenerators.h"
#include "tools/FigureWords.h"

namespace garabel {

DotsTool::DotsTool(ToolEnvironment &env) : StrokeTool(env, {OptionGroup::SolidOrNoFill}, dotShapes) {}

QString DotsTool::words() const
{
    return FigureWords::dots(m_env.state);
}

} // namespace garabel
