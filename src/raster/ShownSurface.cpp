#include "raster/ShownSurface.h"

#include "raster/ViewCompose.h"

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

void ShownSurface::showSheet(const Surface &sheet)
{
    follow(&sheet);
    m_ownUnderSheet = false;
    // Repaints everything, the overlay gone.
    setPicture(QImage());
}

void ShownSurface::showSheetOver(const QImage &picture, const Surface &sheet)
{
    setPicture(picture);
    follow(&sheet);
    m_ownUnderSheet = true;
}

void ShownSurface::showPicture(const QImage &picture)
{
    follow(nullptr);
    m_ownUnderSheet = false;
    setPicture(picture);
}

void ShownSurface::setDots(DotGrid dots)
{
    if (dots == m_dots)
        return;
    m_dots = std::move(dots);
    if (m_sheet)
        changedWhole();
}

void ShownSurface::follow(const Surface *sheet)
{
    disconnect(m_following);
    m_sheet = sheet;
    if (sheet)
        m_following = connect(sheet, &Surface::changed, this, &Surface::changed);
}

void ShownSurface::changedWhole()
{
    m_overlay.clear();
    emit changed(QRect(QPoint(0, 0), innerPixelSize()));
}

QImage ShownSurface::composedImage() const
{
    return composed(true);
}

QImage ShownSurface::composedUnderOverlay() const
{
    return composed(false);
}

QImage ShownSurface::composed(bool withOverlay) const
{
    if (innerPixelSize().isEmpty())
        return QImage();
    QImage image(innerPixelSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    composeView(painter, *this, QRect(QPoint(0, 0), innerPixelSize()), ViewTransform{},
                withOverlay ? ViewLayers::WithOverlay : ViewLayers::UnderOverlay);
    return image;
}

void ShownSurface::pictureReplaced()
{
    // The picture's own change report covers where the overlay was.
    m_overlay.clear();
}

} // namespace garabel
