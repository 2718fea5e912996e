#include "tools/FigureTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/UndoSteps.h"

namespace garabel {

void FigureTool::press()
{
    m_previewedSincePress = false;
}

void FigureTool::move(bool buttonHeld)
{
    if (buttonHeld) {
        preview();
        m_previewedSincePress = true;
    }
}

void FigureTool::release()
{
    if (!m_previewedSincePress && !commitsOnAClick())
        return;
    m_env.undo.pushTentative();
    commitAndSettle([this] { commit(); });
}

void FigureTool::preview()
{
    if (m_shapes)
        m_env.target.preview(m_shapes(m_env.state), drawingColour(m_env.state));
}

void FigureTool::commit()
{
    if (m_shapes)
        m_env.target.store(m_shapes(m_env.state), drawingColour(m_env.state));
}

} // namespace garabel
