#include "tools/StrokeTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/UndoSteps.h"

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
    // A press and release with no move between draws nothing, and says nothing.
    if (commitAndSettle({}))
        m_drawn = words();
}

void StrokeTool::cancel()
{
    m_env.undo.takeBackTentative();
}

void StrokeTool::stroke()
{
    if (m_shapes)
        m_env.target.store(m_shapes(m_env.state), drawingColour(m_env.state));
}

} // namespace garabel
