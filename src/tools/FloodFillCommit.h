#pragma once

namespace garabel {

class DrawingTarget;
struct DrawingState;

// The fill tool's release: fills the current sheet's connected area around the
// pointer (the area of the colour the sheet holds there) solidly in the pen's
// fill colour, and paints the same pixels on the canvas alike, whatever the
// canvas alone shows (grid dots, the help page). Never mirrored.
void commitFloodFill(const DrawingState &state, DrawingTarget &target);

} // namespace garabel
