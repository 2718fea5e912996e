#include "commit/TextPlacement.h"

#include "app/MainWindow.h"
#include "app/Label.h"
#include "app/TextBox.h"
#include "platform/ShownSurface.h"

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

void placeTextOnRelease(MainWindow &form)
{
    DrawingState &s = form.state;
    form.textInput->setFocus();
    form.textPreview->setTop(s.pointer.anchorY + kPromptOffset);
    form.textPreview->setLeft(s.pointer.anchorX + kPromptOffset);
    form.textPreview->setCaption(MainWindow::tr("Escribe"));
    if (!s.text.pending)
        return;

    const QString text = form.textInput->text();
    moveToPointer(*form.canvas, s);
    moveToPointer(form.currentSheetImage(), s);
    form.canvas->stored().print(text);
    form.currentSheetImage().stored().print(text);
    form.textPreview->setCaption(QString());
    // Emptying textInput raises onTextEdited, which marks the text pending again;
    // the flag is cleared after it.
    form.textInput->setText(QString());
    s.text.pending = false;
}

// Typing shows the text live in the prompt and marks it for the next release.
void MainWindow::onTextEdited()
{
    textPreview->setCaption(textInput->text());
    state.text.pending = true;
}

} // namespace garabel
