#include "track/tools/FillTool.h"

#include "commit/FloodFillCommit.h"

namespace garabel {

void FillTool::showOptions()
{
}

void FillTool::commit()
{
    commitFloodFill(m_env.state, m_env.target);
}

} // namespace garabel
