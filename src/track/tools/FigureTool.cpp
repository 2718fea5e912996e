#include "track/tools/FigureTool.h"

namespace garabel {

void FigureTool::move(bool buttonHeld)
{
    if (buttonHeld)
        preview();
}

void FigureTool::release()
{
    m_env.undo.pushTentative();
    commitAndSettle([this] { commit(); });
}

} // namespace garabel
