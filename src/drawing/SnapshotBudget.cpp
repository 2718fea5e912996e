#include "drawing/SnapshotStore.h"

#include "raster/Surface.h"

#include <QtGlobal>

#include <algorithm>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

// The memory budget of the undo rings: what the store holds, and what it gives up.

namespace garabel {

std::size_t SnapshotStore::defaultBudget()
{
    constexpr unsigned long long kMost = 1500ull * 1000 * 1000;
    unsigned long long physical = 0;
#if defined(Q_OS_UNIX)
    const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0)
        physical = static_cast<unsigned long long>(pages) * static_cast<unsigned long long>(pageSize);
#endif
    return physical ? std::size_t(std::min(kMost, physical / 4)) : std::size_t(kMost);
}

void SnapshotStore::setBudget(std::size_t bytes)
{
    m_budget = bytes;
    keepWithinBudget();
}

void SnapshotStore::countOff(const Tile &tile)
{
    if (tile.pixels.isDetached())  // false for a tile without pixels
        m_tileBytes -= std::size_t(tile.pixels.sizeInBytes());
}

void SnapshotStore::countOff(const Tiles &record)
{
    for (const Tile &tile : record.tiles)
        countOff(tile);
}

void SnapshotStore::releaseTile(Tile &tile)
{
    countOff(tile);
    tile.pixels = QImage();
}

void SnapshotStore::release(Tiles &record)
{
    countOff(record);
    record = Tiles{};
}

std::size_t SnapshotStore::newTileBytesAtMost(const Tiles &record, const Surface &sheetSurface)
{
    constexpr std::size_t kTileBytes = std::size_t(Surface::kTile) * Surface::kTile * sizeof(QRgb);
    if (sheetSurface.image().isNull())
        return 0;
    const std::vector<unsigned char> &dirty = sheetSurface.dirtyTiles();
    const bool whole = record.size != sheetSurface.innerPixelSize() || dirty.empty();
    const auto tiles = whole ? std::size_t(sheetSurface.tileColumns()) * sheetSurface.tileRows()
                             : std::size_t(std::count_if(dirty.begin(), dirty.end(), [](unsigned char d) { return d != 0; }));
    return tiles * kTileBytes;
}

void SnapshotStore::keepWithinBudget(std::size_t room)
{
    while (m_tileBytes + room > m_budget) {
        Tiles *oldest = nullptr;
        for (auto &ring : m_rings) {
            const auto newest = std::max_element(ring.begin(), ring.end(), [](const Tiles &a, const Tiles &b) {
                return a.taken < b.taken;
            });
            for (auto slot = ring.begin(); slot != ring.end(); ++slot) {
                if (slot->taken && slot != newest && (!oldest || slot->taken < oldest->taken))
                    oldest = &*slot;
            }
        }
        if (!oldest)
            return;
        release(*oldest);
        oldest->givenUp = true;
    }
}

} // namespace garabel
