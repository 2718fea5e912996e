#include "tools/FillTool.h"

#include "tools/FloodFillCommit.h"

namespace garabel {

FillTool::FillTool(ToolEnvironment &env) : FigureTool(env, {}) {}

void FillTool::commit()
{
    commitFloodFill(m_env.state, m_env.target);
}

} // namespace garabel
