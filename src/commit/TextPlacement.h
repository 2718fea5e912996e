#pragma once

namespace garabel {

struct DrawingState;
class Label;
class Surface;
class TextBox;

// The text tool's release, run after the figure while both surfaces are
// persistent: textInput gets the focus and the prompt "Escribe" moves next to the
// anchor; when text is pending (textInput changed since the last placement) it is
// printed with its top-left corner at the pointer on the canvas and then on the
// current sheet, each in its own font and ForeColor, and the label, textInput and
// text.pending are cleared.
void placeTextOnRelease(Surface &canvas, Surface &sheet, DrawingState &s, TextBox &textInput, Label &textPreview);

} // namespace garabel
