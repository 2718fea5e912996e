#include "tools/FigureWords.h"

#include "drawing/CircleGenerator.h"
#include "drawing/DrawingState.h"
#include "raster/Units.h"

#include <cmath>

namespace garabel {

namespace {
// Twips in one point of the grid; moving freely, a point is a pixel.
double pointTwips(const DrawingState &s)
{
    return s.grid.step > 1 ? s.grid.step : kTwipsPerPixel;
}

int points(const DrawingState &s, double twips)
{
    return int(std::lround(std::abs(twips) / pointTwips(s)));
}

QString at(const DrawingState &s, double x, double y)
{
    return FigureWords::tr("columna %1, fila %2").arg(points(s, x)).arg(points(s, y));
}

QString width(const DrawingState &s)
{
    return QString::number(points(s, s.pointer.x - s.pointer.anchorX));
}

QString height(const DrawingState &s)
{
    return QString::number(points(s, s.pointer.y - s.pointer.anchorY));
}
} // namespace

QString FigureWords::crosshair(const DrawingState &s)
{
    return at(s, s.pointer.x, s.pointer.y);
}

QString FigureWords::anchor(const DrawingState &s)
{
    return tr("ancla en %1").arg(at(s, s.pointer.anchorX, s.pointer.anchorY));
}

QString FigureWords::size(const DrawingState &s)
{
    return tr("%1 por %2").arg(width(s), height(s));
}

QString FigureWords::line(const DrawingState &s)
{
    return tr("línea de %1 a %2").arg(at(s, s.pointer.anchorX, s.pointer.anchorY), crosshair(s));
}

QString FigureWords::box(const DrawingState &s)
{
    return tr("rectángulo de %1 puntos").arg(size(s));
}

// By the kinds of drawing/CircleGenerator.h: circle, ellipse, two quarters, two halves.
QString FigureWords::circle(const DrawingState &s)
{
    const int radius = points(s, s.circle.kind == 0 ? s.circle.radius : arcRadius(s));
    switch (s.circle.kind) {
    case 0: return tr("circunferencia de radio %1 puntos").arg(radius);
    case 1: return tr("elipse de %1 puntos").arg(size(s));
    case 2:
    case 3: return tr("cuarto de arco de radio %1 puntos").arg(radius);
    default: return tr("media circunferencia de radio %1 puntos").arg(radius);
    }
}

QString FigureWords::polygon(const DrawingState &s)
{
    return tr("polígono de %1 lados").arg(int(s.polygon.sideCount));
}

QString FigureWords::fill(const DrawingState &s)
{
    return tr("relleno en %1").arg(crosshair(s));
}

QString FigureWords::freehand(const DrawingState &s)
{
    return tr("trazo hasta %1").arg(crosshair(s));
}

QString FigureWords::dots(const DrawingState &s)
{
    return tr("puntos hasta %1").arg(crosshair(s));
}

QString FigureWords::erased(const DrawingState &s)
{
    return tr("borrado hasta %1").arg(crosshair(s));
}

QString FigureWords::text(const QString &typed)
{
    return tr("texto «%1»").arg(typed);
}

QString FigureWords::cancelled()
{
    return tr("figura anulada");
}

} // namespace garabel
