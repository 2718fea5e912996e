#pragma once

#include "drawing/Shapes.h"
#include "raster/Rgb.h"

class QPointF;
class QString;

namespace garabel {

class Sheets;
class ShownSurface;

// Where the tools draw: the canvas the user sees and the current sheet image
// that keeps the drawing. A preview goes on the canvas overlay only; a stroke
// and a commit go into both stored images, the canvas first, call by call.
class DrawingTarget
{
public:
    // Draws on whichever sheet is current at the time of each call.
    DrawingTarget(ShownSurface &canvas, Sheets &sheets);

    // --- on the canvas overlay ---
    void preview(const Shapes &shapes, Rgb colour);
    // A guide line in the canvas's own colour.
    void previewLine(QPointF from, QPointF to);
    // The text with its top-left corner at (x, y), in the canvas's font and colour.
    void previewText(double x, double y, const QString &text);

    // --- into both stored images: a stroke during a move, a figure at the release ---
    void store(const Shapes &shapes, Rgb colour);
    // Whitens on both, never mirrored, the band that a square of half side
    // `half` around the point sweeps from `from` to `to` (each square as a
    // filled box at the surface's pen width), and frames the square at `to` on
    // the canvas overlay by a black one-pixel outline just outside its pixels.
    void eraseAlong(QPointF from, QPointF to, double half);

    // --- the release ---
    // Both at the pen width: whatever width the crosshair
    // or the dot grid left on the canvas, the canvas must end up showing
    // exactly what the sheet stores.
    void beginCommit(int penWidth);
    // Fills the sheet's connected area around pixel (x, y) solidly in its
    // FillColor and the same pixels on the canvas in the canvas's; each surface
    // keeps its fill pattern.
    void fillArea(int x, int y);
    // The text at (x, y) on the canvas, then on the sheet.
    void printText(double x, double y, const QString &text);

private:
    ShownSurface &m_canvas;
    Sheets &m_sheets;
};

} // namespace garabel
