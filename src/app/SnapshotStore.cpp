#include "app/SnapshotStore.h"

#include "platform/Surface.h"

#include <QPainter>

#include <cstring>
#include <unordered_set>

namespace garabel {

namespace {
constexpr int kTile = Surface::kTile;

int tilesAcross(int pixels)
{
    return (pixels + kTile - 1) / kTile;
}
} // namespace

void SnapshotStore::createSlots(int sheets, int slotsPerSheet)
{
    m_rings.assign(sheets, std::vector<Tiles>(slotsPerSheet));
    m_current.assign(sheets, Tiles{});
}

void SnapshotStore::refresh(Tiles &record, Surface &surface) const
{
    const QSize size = surface.innerPixelSize();
    const QImage image = surface.image();
    const int columns = tilesAcross(size.width()), rows = tilesAcross(size.height());
    const bool whole = record.size != size;
    record.background = toQRgb(surface.backColor());
    if (whole) {
        record.size = size;
        record.tiles.assign(std::size_t(columns) * rows, QImage());
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (!whole && !surface.tileDirty(column, row))
                continue;
            QImage &tile = record.tiles[std::size_t(row) * columns + column];
            tile = image.isNull() ? QImage() : image.copy(column * kTile, row * kTile, kTile, kTile);
        }
    }
    surface.clearDirtyTiles();
}

void SnapshotStore::capture(int sheet, int slot, Surface &sheetSurface)
{
    refresh(m_current[sheet], sheetSurface);
    m_rings[sheet][slot] = m_current[sheet];
}

bool SnapshotStore::hasPicture(int sheet, int slot) const
{
    return !m_rings[sheet][slot].size.isEmpty();
}

QImage SnapshotStore::picture(int sheet, int slot) const
{
    const Tiles &stored = m_rings[sheet][slot];
    bool blank = true;
    for (const QImage &tile : stored.tiles)
        blank = blank && tile.isNull();
    if (blank)
        return {};

    QImage image(stored.size, QImage::Format_RGB32);
    const int columns = tilesAcross(stored.size.width());
    for (std::size_t i = 0; i < stored.tiles.size(); ++i) {
        const int x0 = int(i % columns) * kTile, y0 = int(i / columns) * kTile;
        const int w = qMin(kTile, stored.size.width() - x0), h = qMin(kTile, stored.size.height() - y0);
        const QImage &tile = stored.tiles[i];
        for (int y = 0; y < h; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y0 + y)) + x0;
            if (tile.isNull())
                std::fill(line, line + w, QRgb(stored.background));
            else
                std::memcpy(line, tile.constScanLine(y), std::size_t(w) * sizeof(QRgb));
        }
    }
    return image;
}

void SnapshotStore::adopt(int sheet, int slot, Surface &sheetSurface)
{
    Tiles &current = m_current[sheet];
    current = m_rings[sheet][slot];
    if (current.size != sheetSurface.innerPixelSize()) {
        current.size = sheetSurface.innerPixelSize();
        current.tiles.assign(std::size_t(tilesAcross(current.size.width())) * tilesAcross(current.size.height()),
                             QImage());
    }
    sheetSurface.clearDirtyTiles();
}

std::size_t SnapshotStore::bytesHeld() const
{
    std::unordered_set<const uchar *> seen;
    std::size_t bytes = 0;
    for (const auto &ring : m_rings) {
        for (const Tiles &slot : ring) {
            for (const QImage &tile : slot.tiles) {
                if (!tile.isNull() && seen.insert(tile.constBits()).second)
                    bytes += std::size_t(tile.sizeInBytes());
            }
        }
    }
    return bytes;
}

} // namespace garabel
