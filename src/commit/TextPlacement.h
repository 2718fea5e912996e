#pragma once

namespace garabel {

class MainWindow;

// The text tool's release, run after the figure: textInput gets the focus and
// the prompt "Escribe" moves next to the anchor; when text is pending (textInput
// changed since the last placement) it is printed with its top-left corner at
// the pointer into the stored images of the canvas and then of the current
// sheet, each in its own font and ForeColor, and the label, textInput and
// text.pending are cleared.
void placeTextOnRelease(MainWindow &form);

} // namespace garabel
