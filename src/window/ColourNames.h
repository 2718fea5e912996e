#pragma once

#include "raster/Rgb.h"

#include <QCoreApplication>
#include <QString>

namespace garabel {

// What a screen reader says for a colour of the strip: its common Spanish name
// where it has one ("rojo", "verde oscuro"), else its components.
class ColourNames
{
    Q_DECLARE_TR_FUNCTIONS(ColourNames)
public:
    static QString name(Rgb colour);
    // "rojo 200, verde 40, azul 40"
    static QString components(Rgb colour);
};

} // namespace garabel
