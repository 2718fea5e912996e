#pragma once

#include "raster/Surface.h"

namespace garabel {

// Puts a surface's pen width and fill pattern back as they were when it goes
// out of scope, for code that draws with settings of its own for a moment.
class KeepSurfaceSettings
{
public:
    explicit KeepSurfaceSettings(Surface &surface)
        : m_surface(surface), m_width(surface.drawWidth()), m_fillStyle(surface.fillStyle())
    {
    }
    ~KeepSurfaceSettings()
    {
        m_surface.setDrawWidth(m_width);
        m_surface.setFillStyle(m_fillStyle);
    }
    KeepSurfaceSettings(const KeepSurfaceSettings &) = delete;
    KeepSurfaceSettings &operator=(const KeepSurfaceSettings &) = delete;

private:
    Surface &m_surface;
    int m_width;
    int m_fillStyle;
};

} // namespace garabel
