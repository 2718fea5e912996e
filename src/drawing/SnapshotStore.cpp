#include "drawing/SnapshotStore.h"

#include "raster/Surface.h"
#include "raster/TileCopy.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_set>
#include <utility>

namespace garabel {

namespace {
constexpr int kTile = Surface::kTile;

int tilesAcross(int pixels)
{
    return (pixels + kTile - 1) / kTile;
}

QRect tileArea(const QImage &image, int column, int row)
{
    return QRect(column * kTile, row * kTile, kTile, kTile) & image.rect();
}

// Whether each row of the image's `area` equals, byte for byte, the row that
// `expected(y)` points at (y counted from the area's top). Stops at the first
// row that differs.
template <typename ExpectedRow>
bool rowsMatch(const QImage &image, const QRect &area, ExpectedRow expected)
{
    const std::size_t rowBytes = std::size_t(area.width()) * sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y)) + area.left();
        if (std::memcmp(line, expected(y - area.top()), rowBytes) != 0)
            return false;
    }
    return true;
}

// Adds a tile's area to `areas`, joined to the last one when it continues it
// along the same row of tiles.
void addTileArea(std::vector<QRect> &areas, const QRect &tile)
{
    if (!areas.empty() && areas.back().top() == tile.top() && areas.back().right() + 1 == tile.left())
        areas.back().setRight(tile.right());
    else
        areas.push_back(tile);
}

// A row of one colour, as long as a tile.
std::array<QRgb, kTile> solidRow(QRgb colour)
{
    std::array<QRgb, kTile> row;
    row.fill(colour);
    return row;
}

// The pixels of one tile, or nothing but its colour when it has only one, so
// that a drawn tile costs little more than its copy. A whole tile goes into the
// pool's memory.
QImage cutTile(const QImage &image, int column, int row, QRgb &colour, TilePool &pool)
{
    const QRect area = tileArea(image, column, row);
    colour = image.pixel(area.topLeft());
    const auto solid = solidRow(colour);
    if (rowsMatch(image, area, [&solid](int) { return solid.data(); }))
        return {};
    if (area.width() != kTile || area.height() != kTile)
        return image.copy(column * kTile, row * kTile, kTile, kTile);
    return pool.cut(image, area.topLeft());
}

// Whether the image's tile still holds what was cut from it: `pixels`, or
// `colour` everywhere when there are none. A null image is all background.
bool tileHolds(const QImage &image, int column, int row, const QImage &pixels, QRgb colour, QRgb background)
{
    if (image.isNull())
        return pixels.isNull() && colour == background;
    const QRect area = tileArea(image, column, row);
    if (!pixels.isNull())
        return rowsMatch(image, area, [&pixels](int y) { return pixels.constScanLine(y); });
    const auto solid = solidRow(colour);
    return rowsMatch(image, area, [&solid](int) { return solid.data(); });
}
} // namespace

SnapshotStore::SnapshotStore() : m_budget(defaultBudget()) {}

void SnapshotStore::createSlots(int sheets, int slotsPerSheet)
{
    m_rings.assign(sheets, std::vector<Tiles>(slotsPerSheet));
    m_current.assign(sheets, Tiles{});
    m_overwritten = Tiles{};
    m_tileBytes = 0;
}

void SnapshotStore::refresh(Tiles &record, Surface &surface)
{
    const QSize size = surface.innerPixelSize();
    const QImage image = surface.image();
    const int columns = tilesAcross(size.width()), rows = tilesAcross(size.height());
    const bool whole = record.size != size;
    const unsigned background = toQRgb(surface.backColor());
    record.background = background;
    if (whole || image.isNull()) {
        // Nothing stored is the background everywhere, without a look at the tiles.
        release(record);
        record = blank(size, background);
        if (image.isNull()) {
            surface.clearDirtyTiles();
            return;
        }
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (!whole && !surface.tileDirty(column, row))
                continue;
            Tile &tile = record.tiles[std::size_t(row) * columns + column];
            releaseTile(tile);
            if (const auto colour = surface.knownTileColour(column, row)) {
                tile.colour = *colour;
                continue;
            }
            tile.pixels = cutTile(image, column, row, tile.colour, m_pool);
            m_tileBytes += std::size_t(tile.pixels.sizeInBytes());
        }
    }
    surface.clearDirtyTiles();
}

void SnapshotStore::capture(int sheet, int slot, Surface &sheetSurface)
{
    release(m_overwritten);
    keepWithinBudget(newTileBytesAtMost(m_current[sheet], sheetSurface));
    refresh(m_current[sheet], sheetSurface);
    m_peakTileBytes = std::max(m_peakTileBytes, m_tileBytes);
    m_overwritten = std::exchange(m_rings[sheet][slot], m_current[sheet]);
    m_rings[sheet][slot].taken = ++m_captures;
    m_overwrittenSheet = sheet;
    m_overwrittenSlot = slot;
}

bool SnapshotStore::unchangedSinceCapture(int sheet, const Surface &sheetSurface) const
{
    const Tiles &record = m_current[sheet];
    if (record.size != sheetSurface.innerPixelSize())
        return false;
    const QImage image = sheetSurface.image();
    const int columns = tilesAcross(record.size.width()), rows = tilesAcross(record.size.height());
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (!sheetSurface.tileDirty(column, row))
                continue;
            const Tile &held = record.tiles[std::size_t(row) * columns + column];
            const auto known = sheetSurface.knownTileColour(column, row);
            if (known ? !held.pixels.isNull() || held.colour != *known
                      : !tileHolds(image, column, row, held.pixels, held.colour, record.background))
                return false;
        }
    }
    return true;
}

void SnapshotStore::withdrawCapture(int sheet, int slot)
{
    if (sheet != m_overwrittenSheet || slot != m_overwrittenSlot)
        return;
    release(m_rings[sheet][slot]);
    m_rings[sheet][slot] = std::exchange(m_overwritten, Tiles{});
    m_overwrittenSheet = m_overwrittenSlot = -1;
}

void SnapshotStore::settleCapture()
{
    release(m_overwritten);
    m_overwrittenSheet = m_overwrittenSlot = -1;
    keepWithinBudget();
}

bool SnapshotStore::hasPicture(int sheet, int slot) const
{
    return !m_rings[sheet][slot].size.isEmpty();
}

bool SnapshotStore::Tile::sameAs(const Tile &other) const
{
    const uchar *bits = pixels.constBits();  // null for a tile of one colour
    return bits == other.pixels.constBits() && (bits || colour == other.colour);
}

bool SnapshotStore::isBlank(const Tiles &tiles)
{
    return std::all_of(tiles.tiles.begin(), tiles.tiles.end(), [&tiles](const Tile &tile) {
        return tile.pixels.isNull() && tile.colour == tiles.background;
    });
}

QImage SnapshotStore::picture(int sheet, int slot) const
{
    const Tiles &stored = m_rings[sheet][slot];
    if (isBlank(stored))
        return {};
    QImage image(stored.size, QImage::Format_RGB32);
    const int columns = tilesAcross(stored.size.width());
    for (std::size_t i = 0; i < stored.tiles.size(); ++i)
        pasteTile(image, int(i % columns), int(i / columns), kTile, stored.tiles[i].pixels, stored.tiles[i].colour);
    return image;
}

SnapshotStore::Tiles SnapshotStore::blank(QSize size, unsigned background)
{
    Tiles tiles;
    tiles.size = size;
    tiles.background = background;
    tiles.tiles.assign(std::size_t(tilesAcross(size.width())) * tilesAcross(size.height()), Tile{{}, background});
    return tiles;
}

void SnapshotStore::writeTile(Surface &surface, int column, int row, const Tile &tile, SolidTiles &solids)
{
    if (!tile.pixels.isNull() || tile.colour == toQRgb(surface.backColor())) {
        surface.writeTile(column, row, tile.pixels);
        return;
    }
    // One tile of each colour per restore: a restored fill writes the same
    // colour into every tile, figures a few colours into many.
    QImage &solid = solids[tile.colour];
    if (solid.isNull()) {
        solid = QImage(kTile, kTile, QImage::Format_RGB32);
        solid.fill(tile.colour);
    }
    surface.writeTile(column, row, solid);
}

std::vector<QRect> SnapshotStore::restore(int sheet, int slot, Surface &sheetSurface)
{
    const QSize size = sheetSurface.innerPixelSize();
    const Tiles &stored = m_rings[sheet][slot];
    Tiles blankOfSize;
    const Tiles &target = stored.size == size ? stored : (blankOfSize = blank(size, toQRgb(sheetSurface.backColor())));
    Tiles &current = m_current[sheet];
    std::vector<QRect> written;
    if (current.size != size) {
        sheetSurface.setPicture(picture(sheet, slot));
        written.push_back(QRect(QPoint(0, 0), size));
        countOff(current);
        current = target;
    } else {
        const bool toBlank = isBlank(target);
        const int columns = tilesAcross(size.width());
        const std::vector<unsigned char> &dirty = sheetSurface.dirtyTiles();
        SolidTiles solids;
        for (std::size_t i = 0; i < target.tiles.size(); ++i) {
            // Tiles shared with the record already hold the right pixels.
            const bool same = current.tiles[i].sameAs(target.tiles[i]);
            if (same && !dirty[i])
                continue;
            if (!same) {
                countOff(current.tiles[i]);
                current.tiles[i] = target.tiles[i];
            }
            const int column = int(i % columns), row = int(i / columns);
            if (!toBlank)
                writeTile(sheetSurface, column, row, target.tiles[i], solids);
            addTileArea(written, QRect(column * kTile, row * kTile, kTile, kTile) & QRect(QPoint(0, 0), size));
        }
        // A blank picture lets go of the pixels altogether.
        if (toBlank)
            sheetSurface.setBlank(written);
        // The tiles are the target's now; the rest of the record follows.
        current.background = target.background;
        current.taken = target.taken;
        current.givenUp = target.givenUp;
    }
    sheetSurface.clearDirtyTiles();
    return written;
}

std::size_t SnapshotStore::bytesHeld() const
{
    std::unordered_set<const uchar *> seen;
    std::size_t bytes = 0;
    for (const auto &ring : m_rings) {
        for (const Tiles &slot : ring) {
            bytes += slot.tiles.capacity() * sizeof(Tile);
            for (const Tile &tile : slot.tiles) {
                if (!tile.pixels.isNull() && seen.insert(tile.pixels.constBits()).second)
                    bytes += std::size_t(tile.pixels.sizeInBytes());
            }
        }
    }
    return bytes;
}

} // namespace garabel
