#pragma once

namespace garabel {

struct DrawingState;
class Surface;

// The move steps of the tools that draw while the pointer moves. Their marks go
// straight into the stored images of the canvas and of the current sheet, so the
// release has nothing left to draw for them. Each expects the canvas pen width
// already set to pen.width and pointer.x/pointer.y already snapped.

// Tool 3: a dot at the pointer and at its reflections, canvas then sheet each.
void stampDots(Surface &canvas, Surface &sheet, const DrawingState &s);
// Tool 4: the segment from the previous pointer to this one, and its reflections.
void drawFreehandSegment(Surface &canvas, Surface &sheet, DrawingState &s);
// Tool 18: a white square around the pointer on canvas and sheet, never
// mirrored, framed on the canvas overlay by a black one-pixel outline just
// outside the erased pixels.
void eraseAtPointer(Surface &canvas, Surface &sheet, const DrawingState &s);

} // namespace garabel
