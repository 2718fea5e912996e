#include "tools/TextTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/UndoSteps.h"
#include "tools/TextPlacement.h"

#include <QString>

namespace garabel {

TextTool::TextTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::Font}) {}

void TextTool::move(bool)
{
    m_env.target.previewText(m_env.state.pointer.x, m_env.state.pointer.y, m_env.controls.typedText());
}

void TextTool::placePending()
{
    if (!m_env.state.text.pending)
        return;
    m_env.undo.pushTentative();
    commitAndSettle([this] { placePendingTextAtPrompt(m_env.state, m_env.target, m_env.controls); });
}

void TextTool::commit()
{
    placeTextOnRelease(m_env.state, m_env.target, m_env.controls);
}

} // namespace garabel
