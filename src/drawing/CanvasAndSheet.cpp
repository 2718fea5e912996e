#include "drawing/CanvasAndSheet.h"

#include "drawing/Sheets.h"
#include "raster/KeepSurfaceSettings.h"
#include "raster/ShownSurface.h"
#include "raster/SurfaceRaster.h"

#include <algorithm>
#include <vector>

namespace garabel {

namespace {
void moveTo(Surface &surface, double x, double y)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
}

// The pixels of the filled box of half side `half` around `centre`, at the surface's pen width.
QRect squarePixels(Surface &surface, QPointF centre, double half)
{
    return surface.stored().filledBoxPixels(centre.x() - half, centre.y() - half, centre.x() + half,
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

void eraseBand(Surface &surface, QPointF from, QPointF to, double half)
{
    const std::vector<QRect> band = sweptBand(squarePixels(surface, from, half), squarePixels(surface, to, half));
    const KeepSurfaceSettings kept(surface);
    surface.setDrawWidth(1);
    for (const QRect &r : band)
        surface.stored(Units::Pixels).filledBox(r.left(), r.top(), r.right(), r.bottom(), kWhite);
}
} // namespace

CanvasAndSheet::CanvasAndSheet(ShownSurface &canvas, Sheets &sheets) : m_canvas(canvas), m_sheets(sheets)
{
}

void CanvasAndSheet::preview(const Shapes &shapes, Rgb colour)
{
    drawShapes(m_canvas.overlay(), shapes, colour);
}

void CanvasAndSheet::previewLine(QPointF from, QPointF to)
{
    m_canvas.overlay().line(from.x(), from.y(), to.x(), to.y());
}

void CanvasAndSheet::previewText(double x, double y, const QString &text)
{
    moveTo(m_canvas, x, y);
    m_canvas.overlay().print(text);
}

void CanvasAndSheet::store(const Shapes &shapes, Rgb colour)
{
    drawShapesOnBoth(m_canvas.stored(), m_sheets.current().stored(), shapes, colour);
}

void CanvasAndSheet::eraseAlong(QPointF from, QPointF to, double half)
{
    eraseBand(m_canvas, from, to, half);
    eraseBand(m_sheets.current(), from, to, half);

    // Unfilled, so that the spot just erased shows through.
    const QRect frame = squarePixels(m_canvas, to, half).adjusted(-1, -1, 1, 1);
    const KeepSurfaceSettings kept(m_canvas);
    m_canvas.setDrawWidth(1);
    m_canvas.setFillStyle(FillTransparent);
    m_canvas.overlay(Units::Pixels).box(frame.left(), frame.top(), frame.right(), frame.bottom(), kBlack);
}

void CanvasAndSheet::beginCommit(int penWidth)
{
    m_canvas.setDrawWidth(penWidth);
    m_sheets.current().setDrawWidth(penWidth);
}

void CanvasAndSheet::fillArea(int x, int y)
{
    Surface &sheet = m_sheets.current();
    const KeepSurfaceSettings keptOnCanvas(m_canvas), keptOnSheet(sheet);
    m_canvas.setFillStyle(FillSolid);
    sheet.setFillStyle(FillSolid);
    sheet.floodFill(x, y, sheet.pixel(x, y), &m_canvas);
}

void CanvasAndSheet::printText(double x, double y, const QString &text)
{
    Surface &sheet = m_sheets.current();
    moveTo(m_canvas, x, y);
    moveTo(sheet, x, y);
    m_canvas.stored().print(text);
    sheet.stored().print(text);
}

} // namespace garabel
