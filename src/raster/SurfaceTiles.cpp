#include "raster/Surface.h"

#include "raster/FloodFill.h"
#include "raster/TileCopy.h"

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
    m_colourKnown[std::size_t(row * tileColumns() + column)] = 0;
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

std::optional<unsigned> Surface::knownTileColour(int column, int row) const
{
    return tileDirty(column, row) ? tileColour(column, row) : std::nullopt;
}

void Surface::clearDirtyTiles()
{
    std::fill(m_dirty.begin(), m_dirty.end(), TileClean);
}

void Surface::markDirty(const QRect &pixels)
{
    m_picture = QImage();
    const QRect r = pixels & QRect(QPoint(0, 0), m_size);
    if (r.isEmpty())
        return;
    const int columns = tileColumns();
    for (int row = r.top() / kTile; row <= r.bottom() / kTile; ++row) {
        for (int column = r.left() / kTile; column <= r.right() / kTile; ++column) {
            m_dirty[std::size_t(row * columns + column)] = TileWritten;
            m_colourKnown[std::size_t(row * columns + column)] = 0;
        }
    }
}

void Surface::markAllDirty()
{
    std::fill(m_dirty.begin(), m_dirty.end(), TileWritten);
    std::fill(m_colourKnown.begin(), m_colourKnown.end(), 0);
}

void Surface::learnFilledColours()
{
    m_colourKnown.resize(m_dirty.size(), 0);
    for (std::size_t i = 0; i < m_dirty.size(); ++i) {
        if (m_dirty[i] == TileWritten) {
            m_colourKnown[i] = 0;
        } else if (m_dirty[i] == TileOneColour) {
            m_colourKnown[i] = 1;
            m_dirty[i] = TileWritten;
        }
    }
}

bool Surface::knownAll(unsigned colour) const
{
    if (m_colourKnown.size() != m_dirty.size() || m_tileColours.size() != m_dirty.size())
        return false;
    for (std::size_t i = 0; i < m_dirty.size(); ++i) {
        if (!m_colourKnown[i] || m_tileColours[i] != colour)
            return false;
    }
    return !m_dirty.empty();
}

} // namespace garabel
