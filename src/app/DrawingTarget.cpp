#include "app/DrawingTarget.h"

#include "platform/KeepSurfaceSettings.h"
#include "platform/Surface.h"

namespace garabel {

namespace {
void moveTo(Surface &surface, double x, double y)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
}
} // namespace

DrawingTarget::DrawingTarget(Surface &canvas, std::function<Surface &()> currentSheet)
    : m_canvas(canvas), m_currentSheet(std::move(currentSheet))
{
}

void DrawingTarget::preview(const Shapes &shapes, Rgb colour)
{
    drawShapes(m_canvas, shapes, colour);
}

void DrawingTarget::previewLine(QPointF from, QPointF to)
{
    m_canvas.line(from.x(), from.y(), to.x(), to.y());
}

void DrawingTarget::previewText(double x, double y, const QString &text)
{
    moveTo(m_canvas, x, y);
    m_canvas.print(text);
}

void DrawingTarget::stroke(const Shapes &shapes, Rgb colour)
{
    Surface &sheet = m_currentSheet();
    m_canvas.setAutoRedraw(true);
    sheet.setAutoRedraw(true);
    drawShapesOnBoth(m_canvas, sheet, shapes, colour);
    m_canvas.setAutoRedraw(false);
    sheet.setAutoRedraw(false);
}

void DrawingTarget::erase(double left, double top, double right, double bottom)
{
    m_canvas.setAutoRedraw(true);
    m_canvas.filledBox(left, top, right, bottom, kWhite);
    m_currentSheet().filledBox(left, top, right, bottom, kWhite);
    m_canvas.setAutoRedraw(false);

    // Unfilled, so that the spot just erased shows through.
    const QRect frame = m_canvas.filledBoxPixels(left, top, right, bottom).adjusted(-1, -1, 1, 1);
    const KeepSurfaceSettings kept(m_canvas);
    m_canvas.setScaleMode(ScaleMode::Pixels);
    m_canvas.setDrawWidth(1);
    m_canvas.setFillStyle(FillTransparent);
    m_canvas.box(frame.left(), frame.top(), frame.right(), frame.bottom(), kBlack);
}

void DrawingTarget::beginCommit(int penWidth)
{
    Surface &sheet = m_currentSheet();
    m_canvas.setAutoRedraw(true);
    sheet.setAutoRedraw(true);
    m_canvas.setDrawWidth(penWidth);
    sheet.setDrawWidth(penWidth);
}

void DrawingTarget::commit(const Shapes &shapes, Rgb colour)
{
    drawShapesOnBoth(m_canvas, m_currentSheet(), shapes, colour);
}

void DrawingTarget::fillArea(int x, int y)
{
    Surface &sheet = m_currentSheet();
    const KeepSurfaceSettings keptOnCanvas(m_canvas), keptOnSheet(sheet);
    m_canvas.setScaleMode(ScaleMode::Pixels);
    sheet.setScaleMode(ScaleMode::Pixels);
    m_canvas.setFillStyle(FillSolid);
    sheet.setFillStyle(FillSolid);
    m_canvas.fillSpans(sheet.floodFill(x, y, sheet.point(x, y)));
}

void DrawingTarget::printText(double x, double y, const QString &text)
{
    Surface &sheet = m_currentSheet();
    moveTo(m_canvas, x, y);
    moveTo(sheet, x, y);
    m_canvas.print(text);
    sheet.print(text);
}

void DrawingTarget::endCommit()
{
    m_canvas.setAutoRedraw(false);
    m_currentSheet().setAutoRedraw(true);
}

void DrawingTarget::clear()
{
    Surface &sheet = m_currentSheet();
    m_canvas.setAutoRedraw(true);
    sheet.setAutoRedraw(true);
    m_canvas.setPicture(QImage());
    sheet.setPicture(QImage());
    m_canvas.setAutoRedraw(false);
}

} // namespace garabel
