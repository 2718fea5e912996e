#include "tools/FigureTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/UndoSteps.h"

namespace garabel {

// The pointer stays where the last move left it: a press away from it (no move
// between) spans from the press to there.
void FigureTool::press(const PointerEvent &event)
{
    m_anchor = event.at;
    m_pointer = event.before;
    m_previewedSincePress = false;
}

void FigureTool::move(const PointerEvent &event)
{
    m_pointer = event.at;
    if (event.held()) {
        preview();
        m_previewedSincePress = true;
    }
}

void FigureTool::release(const PointerEvent &)
{
    if (!m_previewedSincePress && !commitsOnAClick())
        return;
    m_env.undo.pushTentative();
    commitAndSettle([this] { commit(); });
    m_drawn = words();
}

// The preview goes with the overlay, which the window clears; nothing was stored.
void FigureTool::cancel()
{
    m_previewedSincePress = false;
}

void FigureTool::preview()
{
    m_env.target.preview(shapes(), drawingColour(m_env.state));
}

void FigureTool::commit()
{
    m_env.target.store(shapes(), drawingColour(m_env.state));
}

} // namespace garabel
