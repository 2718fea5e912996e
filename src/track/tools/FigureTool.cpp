#include "track/tools/FigureTool.h"

#include "app/DrawingState.h"
#include "app/DrawingTarget.h"
#include "app/UndoRing.h"

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
