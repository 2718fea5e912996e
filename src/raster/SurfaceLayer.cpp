#include "raster/SurfaceLayer.h"

#include "raster/HatchPattern.h"
#include "raster/RasterRegions.h"
#include "raster/Surface.h"
#include "raster/SurfaceOverlay.h"
#include "raster/internal/SurfaceRaster.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

// Where a layer's figures go, and how its coordinates become pixels.

namespace garabel {

namespace {
// Far outside any canvas, and small enough for pixel arithmetic in int.
constexpr double kCoordinateLimit = 1 << 24;

double inPixels(double v, Units units)
{
    return units == Units::Twips ? v / kTwipsPerPixel : v;
}

// Keeps wild coordinates from overflowing int while staying far outside any canvas.
int roundCoordinate(double v)
{
    return int(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)));
}
} // namespace

QPoint SurfaceLayer::toPixel(double x, double y, Units units)
{
    return QPoint(roundCoordinate(inPixels(x, units)), roundCoordinate(inPixels(y, units)));
}

double SurfaceLayer::toPixels(double v) const
{
    return inPixels(v, m_units);
}

double SurfaceLayer::toPixelRadius(double radius) const
{
    // Radii beyond this are far outside any canvas; the limit bounds rasterising time.
    constexpr double kRadiusLimit = 1 << 15;
    return std::min(std::fabs(toPixels(radius)), kRadiusLimit);
}

int SurfaceLayer::penWidth() const
{
    return m_pen->drawWidth();
}

Rgb SurfaceLayer::resolve(std::optional<Rgb> colour) const
{
    return colour ? *colour : m_pen->colour;
}

QBrush SurfaceLayer::fillBrush() const
{
    const int style = m_pen->fillPattern;
    if (style == FillSolid)
        return QBrush(toQColor(m_pen->fillColour));
    if (isHatchStyle(style))
        return hatchBrush(style, m_pen->fillColour);
    return QBrush();
}

void SurfaceLayer::reflect(const Raster &figure, const PixelAxes &axes) const
{
    applyRaster(reflected(figure, axes));
}

std::optional<PixelAxes> SurfaceLayer::reflectionAxes(std::optional<double> twiceX, std::optional<double> twiceY) const
{
    auto wholePixels = [this](std::optional<double> twice, std::optional<int> &pixels) {
        if (!twice)
            return true;
        const double v = toPixels(*twice);
        if (!(std::fabs(v) < kCoordinateLimit) || std::fabs(v - std::round(v)) > 1e-6)
            return false;
        pixels = int(std::lround(v));
        return true;
    };
    PixelAxes axes;
    if (!wholePixels(twiceX, axes.twiceX) || !wholePixels(twiceY, axes.twiceY))
        return std::nullopt;
    // The copy's pixels on the image must come from pixels the figure rasterised.
    if (!rasterWindow().contains(reflected(QRect(QPoint(0, 0), m_surface.innerPixelSize()), axes)))
        return std::nullopt;
    return axes;
}

void SurfaceLayer::apply(SurfaceOp op) const
{
    op.bounds &= QRect(QPoint(0, 0), m_surface.innerPixelSize());
    if (op.bounds.isEmpty())
        return;
    if (!m_overlay) {
        m_surface.store(op);
        return;
    }
    const QRegion bounds = op.bounds;
    m_overlay->add(std::move(op));
    m_surface.emitChanged(bounds);
}

SurfaceLayer::Figure SurfaceLayer::applyFigure(Raster raster) const
{
    if (raster.brush.style() == Qt::NoBrush)
        raster.fill.clear();
    return applyRaster(std::move(raster));
}

SurfaceLayer::Figure SurfaceLayer::applyRaster(Raster raster) const
{
    arrangeByRows(raster);
    auto shared = std::make_shared<const Raster>(std::move(raster));
    SurfaceOp op{shared->bounds, [shared](QPainter &p, const QRect &clip) { paintRaster(p, *shared, clip); }, {},
                 shared};
    // The view compares the overlay's solid pixels from one repaint to the next.
    if (m_overlay)
        op.solid = solidPixelsOf(*shared);
    apply(std::move(op));
    return shared;
}

QRect SurfaceLayer::rasterWindow() const
{
    const QSize size = m_surface.innerPixelSize();
    return QRect(-size.width(), -size.height(), 3 * size.width(), 3 * size.height());
}

} // namespace garabel
