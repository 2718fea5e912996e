#include "platform/Surface.h"

#include "platform/SurfacePainting.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

// The figures: each becomes an op with the pixels it may touch and a painting
// function that follows the pixel rules of SurfacePainting.h.

namespace garabel {

namespace {

// The rectangle with both pixels as corners, whichever way round they come.
QRect spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

} // namespace

void Surface::line(double x1, double y1, double x2, double y2, std::optional<Rgb> colour)
{
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    const int w = m_drawWidth;
    const QColor c = toQColor(resolve(colour));
    apply({lineRegion(a, b, w), [=](QPainter &p) { paintLine(p, a, b, w, c); }});
}

void Surface::box(double x1, double y1, double x2, double y2, std::optional<Rgb> colour)
{
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (a == b) {
        drawDot(a, resolve(colour));
        return;
    }
    const QRect box = spanning(a, b);
    const int w = m_drawWidth;
    const QColor c = toQColor(resolve(colour));
    const QBrush brush = fillBrush();
    apply({boxExtent(box, w), [=](QPainter &p) {
               const QRect interior = box.adjusted(1, 1, -1, -1);
               if (brush.style() != Qt::NoBrush && interior.isValid())
                   p.fillRect(interior, brush);
               for (const QRect &band : boxOutline(box, w))
                   p.fillRect(band, c);
           }});
}

void Surface::filledBox(double x1, double y1, double x2, double y2, std::optional<Rgb> colour)
{
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (a == b) {
        drawDot(a, resolve(colour));
        return;
    }
    const QRect extent = filledBoxPixels(x1, y1, x2, y2);
    const QColor c = toQColor(resolve(colour));
    apply({extent, [=](QPainter &p) { p.fillRect(extent, c); }});
}

QRect Surface::filledBoxPixels(double x1, double y1, double x2, double y2) const
{
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    // Equal corners make a dot of the pen's diameter.
    return boxExtent(a == b ? QRect(a, a) : spanning(a, b), m_drawWidth);
}

void Surface::circle(double x, double y, double radius, std::optional<Rgb> colour)
{
    const double r = toPixelRadius(radius);
    drawClosedEllipse(toPixel(x, y), r, r, resolve(colour));
}

void Surface::arc(double x, double y, double radius, Rgb colour, double start, double end)
{
    const double r = toPixelRadius(radius);
    // A radius below half a pixel leaves no visible arc.
    if (r < 0.5)
        return;
    const QPoint c = toPixel(x, y);
    const ArcSweep sweep = arcSweep(start, end);
    const int w = m_drawWidth;
    const QColor qc = toQColor(colour);
    const int reach = int(std::ceil(r)) + w / 2 + 2;
    const QRect bounds(c.x() - reach, c.y() - reach, 2 * reach + 1, 2 * reach + 1);
    if (w > 1) {
        apply({bounds, [=](QPainter &p) { paintWideArc(p, c, r, sweep, w, qc); }});
        return;
    }
    auto pixels = std::make_shared<const QPolygon>(arcPixels(c, r, sweep));
    apply({bounds, [=](QPainter &p) {
               p.setPen(QPen(qc, 1, Qt::SolidLine, Qt::SquareCap));
               p.drawPoints(*pixels);
           }});
}

void Surface::ellipse(double x, double y, double radius, Rgb colour, double aspect)
{
    const double r = toPixelRadius(radius);
    aspect = std::fabs(aspect);
    double rx = r, ry = r;
    if (aspect < 1)
        ry = r * aspect;
    else if (aspect > 1)
        rx = r / aspect;
    drawClosedEllipse(toPixel(x, y), rx, ry, colour);
}

void Surface::pset(double x, double y, std::optional<Rgb> colour)
{
    drawDot(toPixel(x, y), resolve(colour));
}

void Surface::psetMany(const std::vector<QPointF> &points)
{
    if (!m_autoRedraw || m_drawWidth != 1 || m_size.isEmpty()) {
        for (const QPointF &p : points)
            pset(p.x(), p.y());
        return;
    }
    ensureImage();
    const QRgb colour = toQRgb(m_foreColor);
    const QRect inside(QPoint(0, 0), m_size);
    QRect touched;
    for (const QPointF &p : points) {
        const QPoint at = toPixel(p.x(), p.y());
        if (!inside.contains(at))
            continue;
        reinterpret_cast<QRgb *>(m_image.scanLine(at.y()))[at.x()] = colour;
        touched |= QRect(at, QSize(1, 1));
    }
    if (touched.isEmpty())
        return;
    markDirty(touched);
    emit changed(touched);
}

void Surface::print(const QString &text)
{
    const QFont f = font();
    const QFontMetrics metrics(f);
    const QPoint topLeft = toPixel(m_currentX, m_currentY);
    const QColor c = toQColor(m_foreColor);
    // Italic and some glyphs overhang their advance; the margin keeps them inside.
    const int margin = metrics.height() / 2 + 2;
    const QRect bounds = QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()))
                             .adjusted(-margin, -margin, margin, margin);
    const QPoint baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    apply({bounds, [=](QPainter &p) {
               p.setFont(f);
               p.setPen(c);
               p.drawText(baseline, text);
           }});
}

void Surface::drawDot(QPoint at, Rgb colour)
{
    const int w = m_drawWidth;
    const QColor c = toQColor(colour);
    const QRect bounds(QPoint(penLow(at.x(), w) - 1, penLow(at.y(), w) - 1),
                       QPoint(penHigh(at.x(), w) + 1, penHigh(at.y(), w) + 1));
    apply({bounds, [=](QPainter &p) { paintDot(p, at, w, c); }});
}

void Surface::drawClosedEllipse(QPoint centre, double rx, double ry, Rgb colour)
{
    if (rx < 0.5 && ry < 0.5) {
        drawDot(centre, colour);
        return;
    }
    const int w = m_drawWidth;
    const QColor c = toQColor(colour);
    const QBrush brush = fillBrush();
    auto raster = std::make_shared<const EllipseRaster>(rasterEllipse(centre, rx, ry));
    const int reachX = int(std::ceil(rx)) + w / 2 + 2, reachY = int(std::ceil(ry)) + w / 2 + 2;
    const QRect bounds(centre.x() - reachX, centre.y() - reachY, 2 * reachX + 1, 2 * reachY + 1);
    apply({bounds, [=](QPainter &p) {
               if (brush.style() != Qt::NoBrush && !raster->interior.empty()) {
                   p.setPen(Qt::NoPen);
                   p.setBrush(brush);
                   p.drawRects(raster->interior.data(), int(raster->interior.size()));
               }
               if (w > 1) {
                   paintWideEllipse(p, centre, rx, ry, w, c);
               } else {
                   p.setPen(QPen(c, 1, Qt::SolidLine, Qt::SquareCap));
                   p.drawPoints(raster->outline);
               }
           }});
}

} // namespace garabel
