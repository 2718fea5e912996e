#include "tools/LineTool.h"

#include "drawing/FigureGenerators.h"
#include "tools/FigureWords.h"

namespace garabel {

LineTool::LineTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::PenWidths}, lineShapes) {}

QString LineTool::words() const
{
    return FigureWords::line(m_env.state);
}

} // namespace garabel
