#pragma once

namespace garabel {

class DrawingTarget;
class ToolControls;
struct DrawingState;

// The text tool's release: the text input gets the focus and the prompt
// "Escribe" moves next to the anchor; when text is pending (the input changed
// since the last placement) it is printed with its top-left corner at the
// pointer on the canvas and then on the current sheet, in the pen's font and
// colour, and the prompt, the input and text.pending are cleared.
void placeTextOnRelease(DrawingState &state, DrawingTarget &target, ToolControls &controls);

// Enter in the text input, or leaving the text where it is: the pending text is
// printed where the prompt shows it (at the anchor of the release that marked
// the spot) on the canvas and then on the current sheet, and the prompt, the
// input and text.pending are cleared as a placing release clears them. Nothing
// happens when no text is pending.
void placePendingTextAtPrompt(DrawingState &state, DrawingTarget &target, ToolControls &controls);

} // namespace garabel
