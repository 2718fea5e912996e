#include "track/tools/DotsTool.h"

#include "track/FigureGenerators.h"

namespace garabel {

DotsTool::DotsTool(ToolEnvironment &env) : StrokeTool(env, {OptionGroup::SolidOrNoFill}, dotShapes) {}

} // namespace garabel
