#include "tools/FillTool.h"

#include "tools/FigureWords.h"
#include "tools/FloodFillCommit.h"

namespace garabel {

FillTool::FillTool(ToolEnvironment &env) : FigureTool(env, {}) {}

void FillTool::commit()
{
    commitFloodFill(m_env.state, m_env.target);
}

QString FillTool::words() const
{
    return FigureWords::fill(m_env.state);
}

} // namespace garabel
