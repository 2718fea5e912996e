#include "commit/TextPlacement.h"

#include "app/MainWindow.h"
#include "app/Label.h"
#include "app/TextBox.h"
#include "platform/Surface.h"

namespace garabel {

namespace {
// The prompt sits just inside the anchor, in canvas twips.
constexpr double kPromptOffset = 5;

void moveToPointer(Surface &surface, const DrawingState &s)
{
    surface.setCurrentX(s.pointer.x);
    surface.setCurrentY(s.pointer.y);
}
} // namespace

void placeTextOnRelease(Surface &canvas, Surface &sheet, DrawingState &s, TextBox &textInput, Label &textPreview)
{
    textInput.setFocus();
    textPreview.setTop(s.pointer.anchorY + kPromptOffset);
    textPreview.setLeft(s.pointer.anchorX + kPromptOffset);
    textPreview.setCaption(MainWindow::tr("Escribe"));
    if (!s.text.pending)
        return;

    const QString text = textInput.text();
    moveToPointer(canvas, s);
    moveToPointer(sheet, s);
    canvas.print(text);
    sheet.print(text);
    textPreview.setCaption(QString());
    // Emptying textInput raises onTextEdited, which marks the text pending again;
    // the flag is cleared after it.
    textInput.setText(QString());
    s.text.pending = false;
}

// Typing shows the text live in the prompt and marks it for the next release.
void MainWindow::onTextEdited()
{
    m_textPreview->setCaption(m_textInput->text());
    m_state.text.pending = true;
}

} // namespace garabel
