#pragma once

#include <functional>

namespace garabel {

class MainWindow;

// The named steps of the tool palette's handler, onPaletteButton.

// Pen width 1, 2, 3, 4, 1, ...; counting on from a width chosen in the width
// group, it wraps only when it reaches exactly 5. Canvas and all sheets.
void stepPenWidth(MainWindow &form);

// Prints the canvas as it shows now on the default printer: the page turned
// the way the canvas is, the canvas scaled to fit the printable area, centred.
// The canvas keeps what it showed as its picture. Without a printer the user
// is offered a PDF file of the same page instead; a failing print is told in a
// message box.
void printCanvas(MainWindow &form);

// Runs one palette command so that nothing in it stops the program: an
// exception is logged and dropped, leaving the state as the steps before it
// left it.
void runPaletteCommand(const std::function<void()> &command);

} // namespace garabel
