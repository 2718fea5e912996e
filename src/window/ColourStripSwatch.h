#pragma once

#include "raster/Rgb.h"
#include "window/Control.h"

#include <QCoreApplication>

namespace garabel {

class SwatchFace;

// The box beside the colour strip that shows the drawing colour, however it
// was chosen (the strip or the colour dialog): the colour inside a sunken
// frame on the strip's grey, as the strip frames its swatches. A screen reader
// reads the colour's name.
class ColourStripSwatch : public Control
{
    Q_DECLARE_TR_FUNCTIONS(ColourStripSwatch)
public:
    explicit ColourStripSwatch(QWidget *parent);

    Rgb colour() const;
    void setColour(Rgb colour);

private:
    SwatchFace *m_face;
};

} // namespace garabel
