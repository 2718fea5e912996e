#pragma once

namespace garabel {

class MainWindow;

// The move steps of the tools that draw while the pointer moves. Their marks go
// straight into the stored images of the canvas and of the current sheet, so the
// release has nothing left to draw for them. Each expects the canvas pen width
// already set to pen.width and pointer.x/pointer.y already snapped.

// Tool 3: a dot at the pointer and at its reflections, canvas then sheet each.
void stampDots(MainWindow &form);
// Tool 4: the segment from the previous pointer to this one, and its reflections.
void drawFreehandSegment(MainWindow &form);
// Tool 18: a white square around the pointer on canvas and sheet, never
// mirrored, framed on the canvas overlay by a black one-pixel outline just
// outside the erased pixels.
void eraseAtPointer(MainWindow &form);

} // namespace garabel
