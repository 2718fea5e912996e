#include "tools/FigureWords.h"

#include "drawing/CircleGenerator.h"
#include "raster/Units.h"

#include <cmath>

namespace garabel {

namespace {
// Twips in one point of the grid; moving freely, a point is a pixel.
double pointTwips(int gridStep)
{
    return gridStep > 1 ? gridStep : kTwipsPerPixel;
}

int points(int gridStep, double twips)
{
    return int(std::lround(std::abs(twips) / pointTwips(gridStep)));
}
} // namespace

QString FigureWords::crosshair(QPointF at, int gridStep)
{
    return tr("columna %1, fila %2").arg(points(gridStep, at.x())).arg(points(gridStep, at.y()));
}

QString FigureWords::anchor(QPointF anchor, int gridStep)
{
    return tr("ancla en %1").arg(crosshair(anchor, gridStep));
}

QString FigureWords::size(QPointF anchor, QPointF pointer, int gridStep)
{
    return tr("%1 por %2")
        .arg(QString::number(points(gridStep, pointer.x() - anchor.x())),
             QString::number(points(gridStep, pointer.y() - anchor.y())));
}

QString FigureWords::line(QPointF anchor, QPointF pointer, int gridStep)
{
    return tr("línea de %1 a %2").arg(crosshair(anchor, gridStep), crosshair(pointer, gridStep));
}

QString FigureWords::box(QPointF anchor, QPointF pointer, int gridStep)
{
    return tr("rectángulo de %1 puntos").arg(size(anchor, pointer, gridStep));
}

// By the kinds of drawing/CircleGenerator.h: circle, ellipse, two quarters, two halves.
QString FigureWords::circle(const CircleFigure &c, int gridStep)
{
    const int radius = points(gridStep, c.kind == 0 ? c.radius : arcRadius(c));
    switch (c.kind) {
    case 0: return tr("circunferencia de radio %1 puntos").arg(radius);
    case 1: return tr("elipse de %1 puntos").arg(size(c.anchor, c.pointer, gridStep));
    case 2:
    case 3: return tr("cuarto de arco de radio %1 puntos").arg(radius);
    default: return tr("media circunferencia de radio %1 puntos").arg(radius);
    }
}

QString FigureWords::polygon(double sideCount)
{
    return tr("polígono de %1 lados").arg(int(sideCount));
}

QString FigureWords::fill(QPointF at, int gridStep)
{
    return tr("relleno en %1").arg(crosshair(at, gridStep));
}

QString FigureWords::freehand(QPointF at, int gridStep)
{
    return tr("trazo hasta %1").arg(crosshair(at, gridStep));
}

QString FigureWords::dots(QPointF at, int gridStep)
{
    return tr("puntos hasta %1").arg(crosshair(at, gridStep));
}

QString FigureWords::erased(QPointF at, int gridStep)
{
    return tr("borrado hasta %1").arg(crosshair(at, gridStep));
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
