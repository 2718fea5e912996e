#include "raster/Pen.h"

#include "raster/Units.h"

#include <algorithm>
#include <cmath>

namespace garabel {

QFont Pen::font() const
{
    QFont f(fontName);
    // Points at 96 dpi: 20 twips per point, 15 twips per pixel.
    f.setPixelSize(std::max(1, int(std::lround(pointsToPixels(fontSize)))));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

Pen Pen::withWidth(int pixels) const
{
    Pen pen = *this;
    pen.width = pixels;
    return pen;
}

Pen Pen::withFill(int pattern) const
{
    Pen pen = *this;
    pen.fillPattern = pattern;
    return pen;
}

} // namespace garabel
