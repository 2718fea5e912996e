#pragma once

namespace garabel {

struct DrawingState;
class Surface;

// The fill tool's release: fills the current sheet's connected area around the
// pointer (the area of the colour the sheet holds there) solidly in its
// FillColor, and paints the same pixels on the canvas in the canvas's FillColor,
// whatever the canvas alone shows (grid dots, the help page). Never mirrored.
//
// Leaves the pointer as it was, and each surface with the scale and fill pattern
// it had before. The caller has both surfaces persistent.
void commitFloodFill(Surface &canvas, Surface &sheet, const DrawingState &s);

} // namespace garabel
