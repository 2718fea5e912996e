#include "tools/TextTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/UndoSteps.h"
#include "tools/FigureWords.h"
#include "tools/ToolControls.h"

#include <QPointF>
#include <QString>

namespace garabel {

namespace {
// The prompt sits just inside the anchor, in canvas twips.
constexpr double kPromptOffset = 5;

// Prints the typed text with its top-left corner at (x, y) on the canvas and the
// sheet, then empties the prompt and the input. Emptying the input raises
// onTextEdited, which marks the text pending again; the flag is cleared after it.
void placeTypedText(DrawingState &s, DrawingTarget &target, ToolControls &controls, double x, double y)
{
    target.printText(x, y, controls.typedText());
    controls.clearTypedText();
    s.text.pending = false;
}

// The release: the prompt moves next to the anchor, and pending text is printed
// with its top-left corner at the pointer.
void placeTextOnRelease(DrawingState &s, DrawingTarget &target, ToolControls &controls)
{
    controls.promptForText(s.pointer.anchorX + kPromptOffset, s.pointer.anchorY + kPromptOffset);
    if (s.text.pending)
        placeTypedText(s, target, controls, s.pointer.x, s.pointer.y);
}

// Pending text is printed where the prompt shows it.
void placePendingTextAtPrompt(DrawingState &s, DrawingTarget &target, ToolControls &controls)
{
    if (!s.text.pending)
        return;
    const QPointF corner = controls.promptCorner();
    placeTypedText(s, target, controls, corner.x() - kPromptOffset, corner.y() - kPromptOffset);
}
} // namespace

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
