#include "tools/StrokeTool.h"

#include "drawing/UndoSteps.h"

namespace garabel {

void StrokeTool::press(const PointerEvent &event)
{
    m_pointer = event.before;
    m_env.undo.pushTentative();
}

void StrokeTool::move(const PointerEvent &event)
{
    m_pointer = event.at;
    if (event.held())
        stroke(event.before, event.at);
}

void StrokeTool::release(const PointerEvent &)
{
    // A press and release with no move between draws nothing, and says nothing.
    if (commitAndSettle({}))
        m_drawn = words();
}

void StrokeTool::cancel()
{
    m_env.undo.takeBackTentative();
}

} // namespace garabel
