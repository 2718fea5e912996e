#pragma once

#include "raster/Rgb.h"

#include <QString>

#include <functional>

namespace garabel {

class Sheets;
class Surface;

// The drawing settings that hold for the canvas and every sheet alike, so that
// a sheet switch finds them already in place and a sheet never stores a figure
// drawn otherwise than the canvas showed it.
class SurfaceSettings
{
public:
    SurfaceSettings(Surface &canvas, Sheets &sheets) : m_canvas(canvas), m_sheets(sheets) {}

    void setPenWidth(int pixels);
    void setFillPattern(int pattern);
    void setFillColour(Rgb colour);
    void setForeColour(Rgb colour);
    void setFontName(const QString &name);
    void setFontSize(double points);
    void setFontBold(bool on);
    void setFontItalic(bool on);

private:
    void onEverySurface(const std::function<void(Surface &)> &apply);
    // One setter of Surface with one value, on the canvas and every sheet.
    template <typename Param, typename Value>
    void onEverySurface(void (Surface::*setter)(Param), const Value &value)
    {
        onEverySurface([&](Surface &s) { (s.*setter)(value); });
    }

    Surface &m_canvas;
    Sheets &m_sheets;
};

} // namespace garabel
