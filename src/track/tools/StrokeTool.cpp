#include "track/tools/StrokeTool.h"

namespace garabel {

void StrokeTool::press()
{
    m_env.undo.pushTentative();
}

void StrokeTool::move(bool buttonHeld)
{
    if (buttonHeld)
        stroke();
}

void StrokeTool::release()
{
    commitAndSettle({});
}

} // namespace garabel
