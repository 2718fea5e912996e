#pragma once

#include <QCoreApplication>
#include <QString>

namespace garabel {

struct DrawingState;

// The figures and the crosshair in Spanish words for a screen reader, measured
// in points of the grid (pixels when moving freely), counted from the top-left
// corner of the canvas.
class FigureWords
{
    Q_DECLARE_TR_FUNCTIONS(FigureWords)
public:
    // "columna 12, fila 8": where the pointer of the state is.
    static QString crosshair(const DrawingState &state);
    // "ancla en columna 10, fila 6": where the press fixed the anchor.
    static QString anchor(const DrawingState &state);
    // "6 por 4": the box from the anchor to the pointer.
    static QString size(const DrawingState &state);
    // From the anchor to the pointer.
    static QString line(const DrawingState &state);
    static QString box(const DrawingState &state);
    // The figure of circle.kind.
    static QString circle(const DrawingState &state);
    static QString polygon(const DrawingState &state);
    static QString fill(const DrawingState &state);
    // A stroke that ended at the pointer: "trazo", "puntos", "borrado".
    static QString freehand(const DrawingState &state);
    static QString dots(const DrawingState &state);
    static QString erased(const DrawingState &state);
    static QString text(const QString &typed);
    // A drag given up with Escape.
    static QString cancelled();
};

} // namespace garabel
