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
    m_sheetEverywhere = true;
    m_sheetArea = QRegion();
    // Repaints everything, the overlay gone.
    setPicture(QImage());
}

void ShownSurface::showSheetOver(const QImage &picture, const Surface &sheet)
{
    setPicture(picture);
    follow(&sheet);
    m_sheetEverywhere = false;
    m_sheetArea = QRegion();
}

void ShownSurface::showPicture(const QImage &picture)
{
    follow(nullptr);
    m_sheetEverywhere = false;
    m_sheetArea = QRegion();
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
        m_following = connect(sheet, &Surface::changed, this, &ShownSurface::sheetChanged);
}

void ShownSurface::sheetChanged(const QRect &pixels)
{
    if (m_sheetEverywhere || pixels.isEmpty()) {
        emit changed(pixels);
        return;
    }
    // Whole tiles, so that the area stays a few bands however much is drawn;
    // each shows the sheet from now on.
    const QPoint first(pixels.left() / kTile, pixels.top() / kTile);
    const QPoint last(pixels.right() / kTile, pixels.bottom() / kTile);
    const QRect tiles(first * kTile, (last + QPoint(1, 1)) * kTile - QPoint(1, 1));
    m_sheetArea += tiles;
    emit changed(tiles);
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
