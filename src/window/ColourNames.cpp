#include "window/ColourNames.h"

#include "raster/SplitRgb.h"

namespace garabel {

namespace {
// Every colour of the strip, by a name a person would say. Colours from the
// dialog that are none of these are read out by their components.
const struct {
    Rgb colour;
    const char *name;
} kNamedColours[] = {
    {rgb(255, 255, 255), QT_TRANSLATE_NOOP("ColourNames", "blanco")},
    {rgb(0, 0, 0), QT_TRANSLATE_NOOP("ColourNames", "negro")},
    {rgb(192, 192, 192), QT_TRANSLATE_NOOP("ColourNames", "gris claro")},
    {rgb(128, 128, 128), QT_TRANSLATE_NOOP("ColourNames", "gris")},
    {rgb(255, 0, 0), QT_TRANSLATE_NOOP("ColourNames", "rojo")},
    {rgb(128, 0, 0), QT_TRANSLATE_NOOP("ColourNames", "granate")},
    {rgb(255, 255, 0), QT_TRANSLATE_NOOP("ColourNames", "amarillo")},
    {rgb(255, 255, 128), QT_TRANSLATE_NOOP("ColourNames", "amarillo claro")},
    {rgb(0, 255, 0), QT_TRANSLATE_NOOP("ColourNames", "verde")},
    {rgb(0, 128, 0), QT_TRANSLATE_NOOP("ColourNames", "verde oscuro")},
    {rgb(128, 128, 0), QT_TRANSLATE_NOOP("ColourNames", "verde oliva")},
    {rgb(0, 128, 128), QT_TRANSLATE_NOOP("ColourNames", "verde azulado")},
    {rgb(0, 255, 255), QT_TRANSLATE_NOOP("ColourNames", "cian")},
    {rgb(128, 255, 255), QT_TRANSLATE_NOOP("ColourNames", "cian claro")},
    {rgb(0, 0, 255), QT_TRANSLATE_NOOP("ColourNames", "azul")},
    {rgb(128, 128, 255), QT_TRANSLATE_NOOP("ColourNames", "azul claro")},
    {rgb(0, 0, 128), QT_TRANSLATE_NOOP("ColourNames", "azul marino")},
    {rgb(255, 0, 255), QT_TRANSLATE_NOOP("ColourNames", "magenta")},
    {rgb(128, 0, 128), QT_TRANSLATE_NOOP("ColourNames", "púrpura")},
    {rgb(255, 0, 128), QT_TRANSLATE_NOOP("ColourNames", "rosa fuerte")},
    {rgb(255, 128, 64), QT_TRANSLATE_NOOP("ColourNames", "naranja")},
    {rgb(204, 153, 102), QT_TRANSLATE_NOOP("ColourNames", "marrón claro")},
    {rgb(128, 64, 0), QT_TRANSLATE_NOOP("ColourNames", "marrón")},
    {rgb(0, 255, 128), QT_TRANSLATE_NOOP("ColourNames", "verde primavera")},
    {rgb(204, 51, 204), QT_TRANSLATE_NOOP("ColourNames", "orquídea")},
    {rgb(51, 102, 51), QT_TRANSLATE_NOOP("ColourNames", "verde musgo")},
    {rgb(128, 128, 64), QT_TRANSLATE_NOOP("ColourNames", "caqui")},
    {rgb(0, 64, 64), QT_TRANSLATE_NOOP("ColourNames", "verde petróleo")},
    {rgb(0, 128, 255), QT_TRANSLATE_NOOP("ColourNames", "azul celeste")},
    {rgb(0, 64, 128), QT_TRANSLATE_NOOP("ColourNames", "azul oscuro")},
    {rgb(64, 0, 255), QT_TRANSLATE_NOOP("ColourNames", "añil")},
    {rgb(153, 51, 0), QT_TRANSLATE_NOOP("ColourNames", "marrón rojizo")},
};
} // namespace

QString ColourNames::name(Rgb colour)
{
    for (const auto &named : kNamedColours) {
        if (named.colour == colour)
            return tr(named.name);
    }
    return components(colour);
}

QString ColourNames::components(Rgb colour)
{
    const RgbComponents c = splitRgb(colour);
    return tr("rojo %1, verde %2, azul %3").arg(c.red).arg(c.green).arg(c.blue);
}

} // namespace garabel
