#include "track/tools/TextTool.h"

#include "app/DrawingState.h"
#include "app/DrawingTarget.h"
#include "commit/TextPlacement.h"

#include <QString>

namespace garabel {

TextTool::TextTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::Font}) {}

void TextTool::move(bool)
{
    m_env.target.previewText(m_env.state.pointer.x, m_env.state.pointer.y, m_env.controls.typedText());
}

void TextTool::commit()
{
    placeTextOnRelease(m_env.state, m_env.target, m_env.controls);
}

} // namespace garabel
