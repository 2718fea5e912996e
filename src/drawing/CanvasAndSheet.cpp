#include "drawing/CanvasAndSheet.h"

#include "drawing/Sheets.h"
#include "raster/LineRuns.h"
#include "raster/ShownSurface.h"

#include <algorithm>
#include <vector>

namespace garabel {

namespace {
// The pixels of the filled box of half side `half` around `centre`, at the pen's width.
QRect squarePixels(Surface &surface, const Pen &pen, QPointF centre, double half)
{
    return surface.stored(pen).filledBoxPixels(centre.x() - half, centre.y() - half, centre.x() + half,
                                               centre.y() + half);
}

// The squares at both ends, and the smaller of them laid at every pixel of the
// one-pixel line between their top-left corners: the band the square sweeps.
std::vector<QRect> sweptBand(const QRect &from, const QRect &to)
{
    std::vector<QRect> band{from, to};
    const QPoint reach(std::min(from.width(), to.width()) - 1, std::min(from.height(), to.height()) - 1);
    for (const QRect &run : lineRuns(from.topLeft(), to.topLeft(), from.united(to)))
        band.emplace_back(run.topLeft(), run.bottomRight() + reach);
    return band;
}

// The band's boxes are laid pixel by pixel, with a one-pixel pen.
void eraseBand(Surface &surface, const Pen &pen, QPointF from, QPointF to, double half)
{
    const std::vector<QRect> band =
        sweptBand(squarePixels(surface, pen, from, half), squarePixels(surface, pen, to, half));
    const Pen boxes = pen.withWidth(1);
    const SurfaceLayer stored = surface.stored(boxes, Units::Pixels);
    for (const QRect &r : band)
        stored.filledBox(r.left(), r.top(), r.right(), r.bottom(), kWhite);
}
} // namespace

CanvasAndSheet::CanvasAndSheet(ShownSurface &canvas, Sheets &sheets, const Pen &pen)
    : m_canvas(canvas), m_sheets(sheets), m_pen(pen)
{
}

void CanvasAndSheet::preview(const Shapes &shapes, Rgb colour)
{
    drawShapes(m_canvas.overlay(m_pen), shapes, colour);
}

void CanvasAndSheet::previewLine(QPointF from, QPointF to)
{
    m_canvas.overlay(m_pen).line(from.x(), from.y(), to.x(), to.y());
}

void CanvasAndSheet::previewText(double x, double y, const QString &text)
{
    m_canvas.overlay(m_pen).print(x, y, text);
}

void CanvasAndSheet::store(const Shapes &shapes, Rgb colour)
{
    drawShapes(m_sheets.current().stored(m_pen), shapes, colour);
}

void CanvasAndSheet::eraseAlong(QPointF from, QPointF to, double half)
{
    eraseBand(m_sheets.current(), m_pen, from, to, half);

    // Unfilled, so that the spot just erased shows through.
    const QRect frame = squarePixels(m_canvas, m_pen, to, half).adjusted(-1, -1, 1, 1);
    const Pen outline = m_pen.withWidth(1).withFill(FillTransparent);
    m_canvas.overlay(outline, Units::Pixels).box(frame.left(), frame.top(), frame.right(), frame.bottom(), kBlack);
}

void CanvasAndSheet::fillArea(int x, int y)
{
    Surface &sheet = m_sheets.current();
    sheet.floodFill(x, y, sheet.pixel(x, y), m_pen.withFill(FillSolid));
}

void CanvasAndSheet::printText(double x, double y, const QString &text)
{
    m_sheets.current().stored(m_pen).print(x, y, text);
}

} // namespace garabel
