#include "app/DrawingTarget.h"

#include "app/Sheets.h"
#include "platform/KeepSurfaceSettings.h"
#include "platform/ShownSurface.h"

namespace garabel {

namespace {
void moveTo(Surface &surface, double x, double y)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
}
} // namespace

DrawingTarget::DrawingTarget(ShownSurface &canvas, Sheets &sheets) : m_canvas(canvas), m_sheets(sheets)
{
}

void DrawingTarget::preview(const Shapes &shapes, Rgb colour)
{
    drawShapes(m_canvas.overlay(), shapes, colour);
}

void DrawingTarget::previewLine(QPointF from, QPointF to)
{
    m_canvas.overlay().line(from.x(), from.y(), to.x(), to.y());
}

void DrawingTarget::previewText(double x, double y, const QString &text)
{
    moveTo(m_canvas, x, y);
    m_canvas.overlay().print(text);
}

void DrawingTarget::store(const Shapes &shapes, Rgb colour)
{
    drawShapesOnBoth(m_canvas.stored(), m_sheets.current().stored(), shapes, colour);
}

void DrawingTarget::erase(double left, double top, double right, double bottom)
{
    m_canvas.stored().filledBox(left, top, right, bottom, kWhite);
    m_sheets.current().stored().filledBox(left, top, right, bottom, kWhite);

    // Unfilled, so that the spot just erased shows through.
    const QRect frame = m_canvas.stored().filledBoxPixels(left, top, right, bottom).adjusted(-1, -1, 1, 1);
    const KeepSurfaceSettings kept(m_canvas);
    m_canvas.setDrawWidth(1);
    m_canvas.setFillStyle(FillTransparent);
    m_canvas.overlay(Units::Pixels).box(frame.left(), frame.top(), frame.right(), frame.bottom(), kBlack);
}

void DrawingTarget::beginCommit(int penWidth)
{
    m_canvas.setDrawWidth(penWidth);
    m_sheets.current().setDrawWidth(penWidth);
}

void DrawingTarget::fillArea(int x, int y)
{
    Surface &sheet = m_sheets.current();
    const KeepSurfaceSettings keptOnCanvas(m_canvas), keptOnSheet(sheet);
    m_canvas.setFillStyle(FillSolid);
    sheet.setFillStyle(FillSolid);
    sheet.floodFill(x, y, sheet.pixel(x, y), &m_canvas);
}

void DrawingTarget::printText(double x, double y, const QString &text)
{
    Surface &sheet = m_sheets.current();
    moveTo(m_canvas, x, y);
    moveTo(sheet, x, y);
    m_canvas.stored().print(text);
    sheet.stored().print(text);
}

void DrawingTarget::clear()
{
    m_canvas.setPicture(QImage());
    m_sheets.current().setPicture(QImage());
}

} // namespace garabel
