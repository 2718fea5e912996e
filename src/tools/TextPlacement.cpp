#include "tools/TextPlacement.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "tools/ToolControls.h"

#include <QPointF>

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
} // namespace

void placeTextOnRelease(DrawingState &s, DrawingTarget &target, ToolControls &controls)
{
    controls.promptForText(s.pointer.anchorX + kPromptOffset, s.pointer.anchorY + kPromptOffset);
    if (s.text.pending)
        placeTypedText(s, target, controls, s.pointer.x, s.pointer.y);
}

void placePendingTextAtPrompt(DrawingState &s, DrawingTarget &target, ToolControls &controls)
{
    if (!s.text.pending)
        return;
    const QPointF corner = controls.promptCorner();
    placeTypedText(s, target, controls, corner.x() - kPromptOffset, corner.y() - kPromptOffset);
}

} // namespace garabel
