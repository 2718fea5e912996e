#include "track/tools/FillTool.h"

#include "commit/FloodFillCommit.h"

namespace garabel {

FillTool::FillTool(ToolEnvironment &env) : FigureTool(env, {}) {}

void FillTool::commit()
{
    commitFloodFill(m_env.state, m_env.target);
}

} // namespace garabel
