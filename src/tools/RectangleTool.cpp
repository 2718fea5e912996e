#include "tools/RectangleTool.h"

#include "drawing/FigureGenerators.h"

namespace garabel {

RectangleTool::RectangleTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::FillPatterns}, rectangleShapes) {}

} // namespace garabel
