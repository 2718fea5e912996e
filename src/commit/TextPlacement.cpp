#include "commit/TextPlacement.h"

#include "app/DrawingTarget.h"
#include "app/Label.h"
#include "app/MainWindow.h"
#include "app/TextBox.h"
#include "track/tools/ToolControls.h"

namespace garabel {

namespace {
// The prompt sits just inside the anchor, in canvas twips.
constexpr double kPromptOffset = 5;
} // namespace

void placeTextOnRelease(DrawingState &s, DrawingTarget &target, ToolControls &controls)
{
    controls.promptForText(s.pointer.anchorX + kPromptOffset, s.pointer.anchorY + kPromptOffset);
    if (!s.text.pending)
        return;

    target.printText(s.pointer.x, s.pointer.y, controls.typedText());
    // Emptying the input raises onTextEdited, which marks the text pending
    // again; the flag is cleared after it.
    controls.clearTypedText();
    s.text.pending = false;
}

// Typing shows the text live in the prompt and marks it for the next release.
void MainWindow::onTextEdited()
{
    m_textPreview->setCaption(m_textInput->text());
    m_state.text.pending = true;
}

} // namespace garabel
