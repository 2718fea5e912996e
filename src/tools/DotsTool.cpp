#include "tools/DotsTool.h"

#include "drawing/FigureGenerators.h"

namespace garabel {

DotsTool::DotsTool(ToolEnvironment &env) : StrokeTool(env, {OptionGroup::SolidOrNoFill}, dotShapes) {}

} // namespace garabel
