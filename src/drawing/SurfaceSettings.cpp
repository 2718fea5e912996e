#include "drawing/SurfaceSettings.h"

#include "drawing/Sheets.h"
#include "raster/Surface.h"

namespace garabel {

void SurfaceSettings::onEverySurface(const std::function<void(Surface &)> &apply)
{
    apply(m_canvas);
    for (int i = 0; i < m_sheets.count(); ++i)
        apply(m_sheets.image(i));
}

void SurfaceSettings::setPenWidth(int pixels) { onEverySurface(&Surface::setDrawWidth, pixels); }
void SurfaceSettings::setFillPattern(int pattern) { onEverySurface(&Surface::setFillStyle, pattern); }
void SurfaceSettings::setFillColour(Rgb colour) { onEverySurface(&Surface::setFillColor, colour); }
void SurfaceSettings::setForeColour(Rgb colour) { onEverySurface(&Surface::setForeColor, colour); }
void SurfaceSettings::setFontName(const QString &name) { onEverySurface(&Surface::setFontName, name); }
void SurfaceSettings::setFontSize(double points) { onEverySurface(&Surface::setFontSize, points); }
void SurfaceSettings::setFontBold(bool on) { onEverySurface(&Surface::setFontBold, on); }
void SurfaceSettings::setFontItalic(bool on) { onEverySurface(&Surface::setFontItalic, on); }

} // namespace garabel
