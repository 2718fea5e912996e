#include "raster/ShownSurface.h"

#include <QPainter>

namespace garabel {

ShownSurface::ShownSurface(QObject *parent) : Surface(parent) {}

ShownSurface::~ShownSurface() = default;

void ShownSurface::refresh()
{
    if (m_overlay.isEmpty())
        return;
    emitChanged(m_overlay.clear());
}

QImage ShownSurface::composedImage() const
{
    QImage image = renderedImage();
    if (!m_overlay.isEmpty() && !image.isNull()) {
        QPainter painter(&image);
        m_overlay.paint(painter);
    }
    return image;
}

void ShownSurface::pictureReplaced()
{
    // The picture's own change report covers where the overlay was.
    m_overlay.clear();
}

} // namespace garabel
