#include "tools/LineTool.h"

#include "drawing/FigureGenerators.h"

namespace garabel {

LineTool::LineTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::PenWidths}, lineShapes) {}

} // namespace garabel
