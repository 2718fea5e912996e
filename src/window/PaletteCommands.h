#pragma once

#include "drawing/PaletteButton.h"

#include <functional>

namespace garabel {

struct DrawingState;
class Platform;
class StartFolder;
class ShownSurface;

// The named steps of the tool palette's handler, onPaletteButton.

// Pen width 1, 2, 3, 4, 1, ...; counting on from a width chosen in the width
// group, it wraps only when it reaches exactly 5.
void stepPenWidth(DrawingState &state);

// Prints the canvas as it shows now, after the print dialog, which offers the
// page turned the way the canvas is: the canvas scaled to fit the printable
// area of the page as the user left it, centred. Cancel prints nothing and
// says nothing. The marks that follow the pointer go, unprinted. Without a
// printer the user is offered a PDF file of the same page instead, its save
// dialog starting in `folder`; a failing print is told in a message box.
void printCanvas(ShownSurface &canvas, Platform &platform, StartFolder &folder);

// Runs one palette command so that running out of memory in it (a huge
// picture, a long undo history) does not end the program: the user is told,
// and the state is as the steps before it left it. Any other exception is a
// fault of the program and goes on.
void runPaletteCommand(Platform &platform, const std::function<void()> &command);

} // namespace garabel
