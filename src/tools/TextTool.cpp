#include "tools/TextTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/UndoSteps.h"
#include "tools/FigureWords.h"
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
    m_placed = m_env.controls.typedText();
    m_env.undo.pushTentative();
    commitAndSettle([this] { placePendingTextAtPrompt(m_env.state, m_env.target, m_env.controls); });
    m_drawn = words();
}

void TextTool::commit()
{
    m_placed = m_env.state.text.pending ? m_env.controls.typedText() : QString();
    placeTextOnRelease(m_env.state, m_env.target, m_env.controls);
}

QString TextTool::words() const
{
    return m_placed.isEmpty() ? QString() : FigureWords::text(m_placed);
}

} // namespace garabel
