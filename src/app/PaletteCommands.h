#pragma once

#include "app/PaletteButton.h"

#include <functional>

namespace garabel {

struct DrawingState;
struct OptionControls;
class Platform;
class Surface;
class SurfaceSettings;
class UndoRing;

// The named steps of the tool palette's handler, onPaletteButton.

// True for the buttons that hide every option control before acting: the
// buttons that choose a tool, and the pen-width step.
bool hidesOptionControls(int index);

// Hides the option controls of every tool, in the order the palette always has.
void hideOptionControls(const OptionControls &controls);

// Palette button `index` as a tool button: sets the tool and shows its option
// controls. Does nothing for a button that chooses no tool.
void chooseTool(const OptionControls &controls, DrawingState &state, int index);

// Pen width 1, 2, 3, 4, 1, ...; counting on from a width chosen in the width
// group, it wraps only when it reaches exactly 5. Canvas and all sheets.
void stepPenWidth(ButtonArray &penWidthButtons, DrawingState &state, SurfaceSettings &surfaces);

// Prints the canvas as it shows now on the default printer: the page turned
// the way the canvas is, the canvas scaled to fit the printable area, centred.
// The canvas keeps what it showed as its picture. Without a printer the user
// is offered a PDF file of the same page instead; a failing print is told in a
// message box.
void printCanvas(Surface &canvas, Platform &platform);

// Clears the current sheet and the canvas to their background. The sheet is
// pushed on its undo ring first, so one undo brings the drawing back.
void clearCurrentSheet(UndoRing &undoRing, Surface &canvas, Surface &sheet);

// Runs one palette command so that nothing in it stops the program: an
// exception is logged and dropped, leaving the state as the steps before it
// left it.
void runPaletteCommand(const std::function<void()> &command);

} // namespace garabel
