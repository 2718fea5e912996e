#include "raster/SurfaceLayer.h"

#include "raster/RasterRegions.h"
#include "raster/Surface.h"
#include "raster/SurfaceOverlay.h"
#include "raster/internal/SurfacePainting.h"
#include "raster/internal/SurfaceRaster.h"

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

// Side of the boxes that follow a curve's outline as the pixels it may touch.
constexpr int kCurveCell = 32;

bool paintsInterior(const Raster &raster)
{
    return !raster.fill.empty() && raster.brush.style() != Qt::NoBrush;
}

} // namespace

SurfaceLayer::Figure SurfaceLayer::line(double x1, double y1, double x2, double y2, std::optional<Rgb> colour) const
{
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (a == b)
        return drawDot(a, resolve(colour));
    const int w = penWidth();
    Raster raster;
    raster.bounds = lineRegion(a, b, w);
    raster.colour = toQColor(resolve(colour));
    if (w > 1)
        raster.runs = wideLineRuns(penCentre(a, w), penCentre(b, w), w / 2.0, rasterWindow());
    else
        raster.runs = lineRuns(a, b, rasterWindow());
    return applyFigure(std::move(raster));
}

SurfaceLayer::Figure SurfaceLayer::box(double x1, double y1, double x2, double y2, std::optional<Rgb> colour) const
{
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (a == b)
        return drawDot(a, resolve(colour));
    const QRect box = spanning(a, b);
    const int w = penWidth();
    Raster raster;
    raster.colour = toQColor(resolve(colour));
    raster.brush = fillBrush();
    const QRect interior = box.adjusted(1, 1, -1, -1);
    if (interior.isValid())
        raster.fill.push_back(interior);
    const auto outline = boxOutline(box, w);
    raster.runs.assign(outline.begin(), outline.end());
    // An outline alone touches only its four bands.
    if (paintsInterior(raster)) {
        raster.bounds = boxExtent(box, w);
    } else {
        for (const QRect &band : outline)
            raster.bounds += band;
    }
    return applyFigure(std::move(raster));
}

SurfaceLayer::Figure SurfaceLayer::filledBox(double x1, double y1, double x2, double y2,
                                             std::optional<Rgb> colour) const
{
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (a == b)
        return drawDot(a, resolve(colour));
    Raster raster;
    const QRect extent = filledBoxPixels(x1, y1, x2, y2);
    raster.bounds = extent;
    raster.colour = toQColor(resolve(colour));
    raster.runs.push_back(extent);
    return applyFigure(std::move(raster));
}

QRect SurfaceLayer::filledBoxPixels(double x1, double y1, double x2, double y2) const
{
    const QPoint a = toPixel(x1, y1), b = toPixel(x2, y2);
    // Equal corners make a dot of the pen's diameter.
    return boxExtent(a == b ? QRect(a, a) : spanning(a, b), penWidth());
}

SurfaceLayer::Figure SurfaceLayer::circle(double x, double y, double radius, std::optional<Rgb> colour) const
{
    const double r = toPixelRadius(radius);
    return drawClosedEllipse(toPixel(x, y), r, r, resolve(colour));
}

SurfaceLayer::Figure SurfaceLayer::arc(double x, double y, double radius, Rgb colour, double start, double end) const
{
    const double r = toPixelRadius(radius);
    Raster raster;
    raster.colour = toQColor(colour);
    // A radius below half a pixel leaves no visible arc (and no copy).
    if (r >= 0.5) {
        const QPoint c = toPixel(x, y);
        const ArcSweep sweep = arcSweep(start, end);
        const int w = penWidth();
        if (w > 1)
            raster.runs = wideArcRuns(c, r, sweep, w, rasterWindow());
        else
            raster.runs = pointRuns(arcPixels(c, r, sweep));
        raster.bounds = cellsAlong(raster.runs, kCurveCell);
    }
    return applyFigure(std::move(raster));
}

SurfaceLayer::Figure SurfaceLayer::ellipse(double x, double y, double radius, Rgb colour, double aspect) const
{
    const double r = toPixelRadius(radius);
    aspect = std::fabs(aspect);
    double rx = r, ry = r;
    if (aspect < 1)
        ry = r * aspect;
    else if (aspect > 1)
        rx = r / aspect;
    return drawClosedEllipse(toPixel(x, y), rx, ry, colour);
}

SurfaceLayer::Figure SurfaceLayer::pset(double x, double y, std::optional<Rgb> colour) const
{
    return drawDot(toPixel(x, y), resolve(colour));
}

void SurfaceLayer::psetMany(const std::vector<QPointF> &points) const
{
    if (m_overlay || penWidth() != 1) {
        for (const QPointF &p : points)
            pset(p.x(), p.y());
        return;
    }
    m_surface.storePoints(points, m_units, m_pen->colour);
}

void SurfaceLayer::print(double x, double y, const QString &text) const
{
    const QFont f = m_pen->font();
    const QFontMetrics metrics(f);
    const QPoint topLeft = toPixel(x, y);
    const QColor c = toQColor(m_pen->colour);
    // Italic and some glyphs overhang their advance; the margin keeps them inside.
    const int margin = metrics.height() / 2 + 2;
    const QRect bounds = QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()))
                             .adjusted(-margin, -margin, margin, margin);
    const QPoint baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    apply({bounds, [=](QPainter &p, const QRect &) {
               p.setFont(f);
               p.setPen(c);
               p.drawText(baseline, text);
           }, {}, {}});
}

SurfaceLayer::Figure SurfaceLayer::drawDot(QPoint at, Rgb colour) const
{
    const int w = penWidth();
    Raster raster;
    raster.bounds = QRect(QPoint(penLow(at.x(), w) - 1, penLow(at.y(), w) - 1),
                          QPoint(penHigh(at.x(), w) + 1, penHigh(at.y(), w) + 1));
    raster.colour = toQColor(colour);
    raster.runs = discRuns(penCentre(at, w), w, rasterWindow());
    return applyFigure(std::move(raster));
}

SurfaceLayer::Figure SurfaceLayer::drawClosedEllipse(QPoint centre, double rx, double ry, Rgb colour) const
{
    if (rx < 0.5 && ry < 0.5)
        return drawDot(centre, colour);
    const int w = penWidth();
    EllipseRaster ellipse = rasterEllipse(centre, rx, ry);
    Raster raster;
    raster.colour = toQColor(colour);
    raster.brush = fillBrush();
    raster.fill = std::move(ellipse.interior);
    if (w <= 1) {
        raster.runs = pointRuns(std::move(ellipse.outline));
    } else if (rx < 0.5 || ry < 0.5) {
        // Flat: a wide line across it.
        const int hx = int(std::lround(rx)), hy = int(std::lround(ry));
        const QPoint a(centre.x() - hx, centre.y() - hy), b(centre.x() + hx, centre.y() + hy);
        raster.runs = wideLineRuns(penCentre(a, w), penCentre(b, w), w / 2.0, rasterWindow());
    } else {
        raster.runs = wideEllipseRuns(centre, rx, ry, w, rasterWindow());
    }
    // Boxes along the rows rather than the bounding box: a filled curve's
    // corners would be repainted on every move of a drag.
    if (paintsInterior(raster)) {
        std::vector<QRect> covered = raster.fill;
        covered.insert(covered.end(), raster.runs.begin(), raster.runs.end());
        raster.bounds = cellsAlong(covered, kCurveCell);
    } else {
        raster.bounds = cellsAlong(raster.runs, kCurveCell);
    }
    return applyFigure(std::move(raster));
}

} // namespace garabel
