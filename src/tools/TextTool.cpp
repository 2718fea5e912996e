#include "tools/TextTool.h"

#include "drawing/DrawingTarget.h"
#include "drawing/UndoSteps.h"
#include "tools/FigureWords.h"
#include "tools/ToolControls.h"

#include <QString>

namespace garabel {

namespace {
// The prompt sits just inside the anchor, in canvas twips.
constexpr double kPromptOffset = 5;
} // namespace

TextTool::TextTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::Font}) {}

void TextTool::move(const PointerEvent &event)
{
    m_pointer = event.at;
    m_env.target.previewText(m_pointer.x(), m_pointer.y(), m_env.controls.typedText());
}

// Emptying the input raises textEdited(), which marks the text pending again;
// the mark is cleared after it.
void TextTool::print(QPointF corner)
{
    m_env.target.printText(corner.x(), corner.y(), m_env.controls.typedText());
    m_env.controls.clearTypedText();
    m_pending = false;
}

// Pending text is printed where the prompt shows it.
void TextTool::placePending()
{
    if (!m_pending)
        return;
    m_placed = m_env.controls.typedText();
    m_env.undo.pushTentative();
    commitAndSettle([this] {
        const QPointF corner = m_env.controls.promptCorner();
        print(corner - QPointF(kPromptOffset, kPromptOffset));
    });
    m_drawn = words();
}

// The release: the prompt moves next to the anchor, and pending text is printed
// with its top-left corner at the pointer.
void TextTool::commit()
{
    m_placed = m_pending ? m_env.controls.typedText() : QString();
    m_env.controls.promptForText(m_anchor.x() + kPromptOffset, m_anchor.y() + kPromptOffset);
    if (m_pending)
        print(m_pointer);
}

QString TextTool::words() const
{
    return m_placed.isEmpty() ? QString() : FigureWords::text(m_placed);
}

} // namespace garabel
