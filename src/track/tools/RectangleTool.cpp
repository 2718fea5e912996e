#include "track/tools/RectangleTool.h"

#include "track/FigureGenerators.h"

namespace garabel {

RectangleTool::RectangleTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::FillPatterns}, rectangleShapes) {}

} // namespace garabel
