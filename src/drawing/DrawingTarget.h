#pragma once

#include "drawing/Shapes.h"
#include "raster/Rgb.h"

class QPointF;
class QString;

namespace garabel {

// Where the tools draw: the canvas the user sees and the current sheet image
// that keeps the drawing. A preview goes on the canvas overlay only; a stroke
// and a commit go into the sheet's stored image, once, and the canvas shows
// them from there. Every call draws with the pen as it is at that moment.
// The window hands the tools a CanvasAndSheet; tests hand them a fake.
class DrawingTarget
{
public:
    virtual ~DrawingTarget() = default;

    // --- on the canvas overlay ---
    virtual void preview(const Shapes &shapes, Rgb colour) = 0;
    // A guide line in the pen's own colour.
    virtual void previewLine(QPointF from, QPointF to) = 0;
    // The text with its top-left corner at (x, y), in the pen's font and colour.
    virtual void previewText(double x, double y, const QString &text) = 0;

    // --- into the sheet: a stroke during a move, a figure at the release ---
    virtual void store(const Shapes &shapes, Rgb colour) = 0;
    // Whitens in the sheet, never mirrored, the band that a square of half side
    // `half` around the point sweeps from `from` to `to` (each square as a
    // filled box at the pen's width), and frames the square at `to` on the
    // canvas overlay by a black one-pixel outline just outside its pixels.
    virtual void eraseAlong(QPointF from, QPointF to, double half) = 0;

    // --- the release ---
    // Fills the sheet's connected area around pixel (x, y) solidly in the pen's
    // fill colour, whatever its fill pattern.
    virtual void fillArea(int x, int y) = 0;
    // The text at (x, y) in the sheet.
    virtual void printText(double x, double y, const QString &text) = 0;
};

} // namespace garabel
