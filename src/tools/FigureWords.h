#pragma once

#include <QCoreApplication>
#include <QPointF>
#include <QString>

namespace garabel {

struct CircleFigure;

// The figures and the crosshair in Spanish words for a screen reader, measured
// in points of the grid of `gridStep` twips (pixels when moving freely, a step
// of 1), counted from the top-left corner of the canvas. Points are in twips.
class FigureWords
{
    Q_DECLARE_TR_FUNCTIONS(FigureWords)
public:
    // "columna 12, fila 8": where the pointer is.
    static QString crosshair(QPointF at, int gridStep);
    // "ancla en columna 10, fila 6": where the press fixed the anchor.
    static QString anchor(QPointF anchor, int gridStep);
    // "6 por 4": the box from the anchor to the pointer.
    static QString size(QPointF anchor, QPointF pointer, int gridStep);
    // From the anchor to the pointer.
    static QString line(QPointF anchor, QPointF pointer, int gridStep);
    static QString box(QPointF anchor, QPointF pointer, int gridStep);
    // The circle tool's figure of its kind.
    static QString circle(const CircleFigure &circle, int gridStep);
    static QString polygon(double sideCount);
    static QString fill(QPointF at, int gridStep);
    // A stroke that ended at the pointer: "trazo", "puntos", "borrado".
    static QString freehand(QPointF at, int gridStep);
    static QString dots(QPointF at, int gridStep);
    static QString erased(QPointF at, int gridStep);
    static QString text(const QString &typed);
    // A drag given up with Escape.
    static QString cancelled();
};

} // namespace garabel
