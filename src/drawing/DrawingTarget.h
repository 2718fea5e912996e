#pragma once

#include "drawing/Shapes.h"
#include "raster/Rgb.h"

class QPointF;
class QString;

namespace garabel {

class Sheets;
class ShownSurface;
struct Pen;

// Where the tools draw: the canvas the user sees and the current sheet image
// that keeps the drawing. A preview goes on the canvas overlay only; a stroke
// and a commit go into both stored images, the canvas first, call by call.
// Every call draws with the pen as it is at that moment, the same on both.
class DrawingTarget
{
public:
    // Draws on whichever sheet is current at the time of each call, with `pen`,
    // which outlives the target.
    DrawingTarget(ShownSurface &canvas, Sheets &sheets, const Pen &pen);

    // --- on the canvas overlay ---
    void preview(const Shapes &shapes, Rgb colour);
    // A guide line in the pen's own colour.
    void previewLine(QPointF from, QPointF to);
    // The text with its top-left corner at (x, y), in the pen's font and colour.
    void previewText(double x, double y, const QString &text);

    // --- into both stored images: a stroke during a move, a figure at the release ---
    void store(const Shapes &shapes, Rgb colour);
    // Whitens on both, never mirrored, the band that a square of half side
    // `half` around the point sweeps from `from` to `to` (each square as a
    // filled box at the pen's width), and frames the square at `to` on the
    // canvas overlay by a black one-pixel outline just outside its pixels.
    void eraseAlong(QPointF from, QPointF to, double half);

    // --- the release ---
    // Fills the sheet's connected area around pixel (x, y) solidly in the pen's
    // fill colour, whatever its fill pattern, and the same pixels on the canvas.
    void fillArea(int x, int y);
    // The text at (x, y) on the canvas, then on the sheet.
    void printText(double x, double y, const QString &text);

private:
    ShownSurface &m_canvas;
    Sheets &m_sheets;
    const Pen &m_pen;
};

} // namespace garabel
