#include "tools/Tool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/UndoSteps.h"

namespace garabel {

void Tool::showOptions()
{
    if (!m_options.empty())
        m_env.controls.showOnly(m_options);
}

bool Tool::commitAndSettle(const std::function<void()> &commit)
{
    if (commit)
        commit();
    return m_env.undo.dropIfUnchanged();
}

} // namespace garabel
