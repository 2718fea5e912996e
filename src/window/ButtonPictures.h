#pragma once

#include <QIcon>
#include <QImage>
#include <QPoint>

#include "window/OptionPictures.h"

// The pictures on the window's buttons, its canvas start-up picture, its icon and the canvas
// cursor; the option groups' pictures are in OptionPictures.h. The window asks for them by
// the index of the button; nothing here owns a widget.
//
// Every button picture is ARGB32_Premultiplied with a transparent background, so that the
// button face shows through: the grid, reflection and pen-width buttons are marked by their
// face colour, which must stay visible around and between the strokes.
// An index outside a group's range gives a null image. The drawn pictures take the screen's
// device pixel ratio: their size is in logical pixels, their pixels are that many times
// finer, so they stay sharp on a high-density screen.

namespace garabel {

constexpr int kPaletteIconCount = 20;
constexpr int kGridIconCount = 8;
constexpr int kReflectionIconCount = 4;

constexpr int kStartupPictureWidth = 713;
constexpr int kStartupPictureHeight = 535;

// Tool palette button `index` (0..19), 32 x 32.
QImage paletteIcon(int index, double ratio = 1);

// Grid button `index` (0..7), 32 x 32: a square of dots, densest on 0 and sparsest on 7,
// every one sparser (fewer dark pixels) than the one before.
QImage gridIcon(int index);

// Reflection button `index` (0..3), 32 x 32: 0 no symmetry, 1 left-right across the vertical
// centre line, 2 top-bottom across the horizontal centre line, 3 through the centre point.
QImage reflectionIcon(int index, double ratio = 1);

// The canvas picture at start-up, 713 x 535, opaque (Format_RGB32).
QImage startupPicture();

// The window icon, 32 x 32.
QImage windowIcon();
// The window icon at every side of the desktop's icon theme, 16 to 256.
QIcon windowIconAtEverySize();
inline constexpr int kWindowIconSides[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The canvas cursor, 16 x 16, black and white on transparent; its hot spot is
// canvasCursorHotSpot(), the centre of the crosshair.
QImage canvasCursorImage();
QPoint canvasCursorHotSpot();

} // namespace garabel
