#include "app/SurfaceSettings.h"

#include "app/Sheets.h"
#include "platform/ShownSurface.h"

namespace garabel {

void SurfaceSettings::onEverySurface(const std::function<void(Surface &)> &apply)
{
    apply(m_canvas);
    for (int i = 0; i < m_sheets.count(); ++i)
        apply(m_sheets.image(i));
}

void SurfaceSettings::setPenWidth(int pixels)
{
    onEverySurface([pixels](Surface &s) { s.setDrawWidth(pixels); });
}

void SurfaceSettings::setFillPattern(int pattern)
{
    onEverySurface([pattern](Surface &s) { s.setFillStyle(pattern); });
}

void SurfaceSettings::setFillColour(Rgb colour)
{
    onEverySurface([colour](Surface &s) { s.setFillColor(colour); });
}

void SurfaceSettings::setForeColour(Rgb colour)
{
    onEverySurface([colour](Surface &s) { s.setForeColor(colour); });
}

void SurfaceSettings::setFontName(const QString &name)
{
    onEverySurface([&name](Surface &s) { s.setFontName(name); });
}

void SurfaceSettings::setFontSize(double points)
{
    onEverySurface([points](Surface &s) { s.setFontSize(points); });
}

void SurfaceSettings::setFontBold(bool on)
{
    onEverySurface([on](Surface &s) { s.setFontBold(on); });
}

void SurfaceSettings::setFontItalic(bool on)
{
    onEverySurface([on](Surface &s) { s.setFontItalic(on); });
}

} // namespace garabel
