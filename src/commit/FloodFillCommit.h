#pragma once

namespace garabel {

class Form1;

// The fill tool's release: fills, on the canvas and then on the current sheet,
// the connected area around the pointer that has the colour each surface itself
// shows there, solidly in that surface's FillColor. Never mirrored.
//
// Leaves CurX and CurY in pixels (the next move snaps them to twips again), both
// surfaces in twips and both with the fill pattern of FillIndex, whatever
// pattern they had before. The caller has both surfaces persistent.
void commitFloodFill(Form1 &form);

} // namespace garabel
