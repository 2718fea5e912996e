#include "commit/TextPlacement.h"

#include "app/Form1.h"
#include "app/Label.h"
#include "app/TextBox.h"
#include "platform/Surface.h"

namespace garabel {

namespace {
// The prompt sits just inside the anchor, in canvas twips.
constexpr double kPromptOffset = 5;

void moveToPointer(Surface &surface, const DrawingState &s)
{
    surface.setCurrentX(s.CurX);
    surface.setCurrentY(s.CurY);
}
} // namespace

void placeTextOnRelease(Form1 &form)
{
    DrawingState &s = form.state;
    form.Text1->setFocus();
    form.Label2->setTop(s.StartY + kPromptOffset);
    form.Label2->setLeft(s.StartX + kPromptOffset);
    form.Label2->setCaption(Form1::tr("Escribe"));
    if (!s.TextPending)
        return;

    const QString text = form.Text1->text();
    moveToPointer(*form.Picture1, s);
    moveToPointer(form.sheet(), s);
    form.Picture1->print(text);
    form.sheet().print(text);
    form.Label2->setCaption(QString());
    // Emptying Text1 raises Text1_Change, which marks the text pending again;
    // the flag is cleared after it.
    form.Text1->setText(QString());
    s.TextPending = false;
}

// Typing shows the text live in the prompt and marks it for the next release.
void Form1::Text1_Change()
{
    Label2->setCaption(Text1->text());
    state.TextPending = true;
}

} // namespace garabel
