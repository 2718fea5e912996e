#include "platform/Surface.h"

#include "platform/TileCopy.h"

#include <algorithm>

// Change tracking by tiles, for the undo store.

namespace garabel {

void Surface::writeTile(int column, int row, const QImage &tile)
{
    const QRect area = QRect(column * kTile, row * kTile, kTile, kTile) & QRect(QPoint(0, 0), m_size);
    if (area.isEmpty() || (tile.isNull() && image().isNull()))
        return;
    ensureImage();
    m_picture = QImage();
    pasteTile(m_image, column, row, kTile, tile, toQRgb(m_backColor));
    emit changed(area);
}

int Surface::tileColumns() const
{
    return (m_size.width() + kTile - 1) / kTile;
}

int Surface::tileRows() const
{
    return (m_size.height() + kTile - 1) / kTile;
}

bool Surface::tileDirty(int column, int row) const
{
    if (column < 0 || row < 0 || column >= tileColumns() || row >= tileRows())
        return false;
    return m_dirty[std::size_t(row * tileColumns() + column)] != 0;
}

void Surface::clearDirtyTiles()
{
    std::fill(m_dirty.begin(), m_dirty.end(), 0);
}

void Surface::markDirty(const QRect &pixels)
{
    m_picture = QImage();
    const QRect r = pixels & QRect(QPoint(0, 0), m_size);
    if (r.isEmpty())
        return;
    const int columns = tileColumns();
    for (int row = r.top() / kTile; row <= r.bottom() / kTile; ++row) {
        for (int column = r.left() / kTile; column <= r.right() / kTile; ++column)
            m_dirty[std::size_t(row * columns + column)] = 1;
    }
}

void Surface::markAllDirty()
{
    std::fill(m_dirty.begin(), m_dirty.end(), 1);
}

} // namespace garabel
