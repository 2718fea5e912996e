#include "track/tools/LineTool.h"

#include "track/FigureGenerators.h"

namespace garabel {

LineTool::LineTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::PenWidths}, lineShapes) {}

} // namespace garabel
