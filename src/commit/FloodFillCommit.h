#pragma once

namespace garabel {

class MainWindow;

// The fill tool's release: fills the current sheet's connected area around the
// pointer (the area of the colour the sheet holds there) solidly in its
// FillColor, and paints the same pixels on the canvas in the canvas's FillColor,
// whatever the canvas alone shows (grid dots, the help page). Never mirrored.
//
// Leaves the pointer as it was, and each surface with the fill pattern it had
// before.
void commitFloodFill(MainWindow &form);

} // namespace garabel
