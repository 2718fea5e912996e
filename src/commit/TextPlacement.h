#pragma once

namespace garabel {

class Form1;

// The text tool's release, run after the figure while both surfaces are
// persistent: Text1 gets the focus and the prompt "Escribe" moves next to the
// anchor; when text is pending (Text1 changed since the last placement) it is
// printed with its top-left corner at the pointer on the canvas and then on the
// current sheet, each in its own font and ForeColor, and the label, Text1 and
// TextPending are cleared.
void placeTextOnRelease(Form1 &form);

} // namespace garabel
