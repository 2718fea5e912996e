#pragma once

#include "raster/TilePool.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace garabel {

class Surface;

// The undo rings of all sheets: for each sheet a ring of slots, each holding a
// picture of the sheet as it was, or nothing.
//
// Pictures are kept as tiles of Surface::kTile pixels, shared between slots and
// with the store's record of each sheet: a capture copies only the tiles that
// the sheet's surface reports as written since the previous capture, so a
// snapshot costs the tiles that changed, not a full image. A tile of one colour
// (never drawn on, or covered by a fill) is held as that colour alone.
//
// All rings together are held within a memory budget: past it, the oldest
// pictures of all sheets are given up first, never the newest of a sheet. A
// capture makes room for the tiles it may take before it takes them, so the
// budget holds at every moment, unless the newest pictures alone outweigh it.
class SnapshotStore
{
public:
    SnapshotStore();

    // Creates `sheets` rings of `slotsPerSheet` empty slots each.
    void createSlots(int sheets, int slotsPerSheet);
    int sheetCount() const { return int(m_rings.size()); }
    int slotCount() const { return m_rings.empty() ? 0 : int(m_rings[0].size()); }

    // Stores the sheet's present stored image in the slot.
    void capture(int sheet, int slot, Surface &sheetSurface);
    // Whether the sheet's stored image still holds what the last capture of that
    // sheet took; only the tiles written since are compared.
    bool unchangedSinceCapture(int sheet, const Surface &sheetSurface) const;
    // Puts back what the latest capture overwrote in the slot, when that capture
    // was of this sheet and slot and has not been settled.
    void withdrawCapture(int sheet, int slot);
    // The latest capture stays: what it overwrote is let go.
    void settleCapture();
    bool hasPicture(int sheet, int slot) const;
    // The slot's picture as one image; null for an empty slot or a blank picture.
    QImage picture(int sheet, int slot) const;
    // Puts the slot's picture into the sheet's stored image (an empty slot
    // leaves it blank), writing only the tiles that differ from what it holds.
    // Returns the areas of the sheet that it rewrote, in pixels: runs of whole
    // tiles, row by row.
    std::vector<QRect> restore(int sheet, int slot, Surface &sheetSurface);

    // Bytes held by all slots: the pixels of their tiles, each shared tile
    // counted once, and each slot's table of tiles.
    std::size_t bytesHeld() const;

    // A quarter of the physical memory, at most 1.5 GB.
    static std::size_t defaultBudget();
    // The pixels of tiles the store may hold; gives up pictures at once when it
    // holds more.
    void setBudget(std::size_t bytes);
    // The pixels of the distinct tiles held now, in the rings and in the record
    // of each sheet: what the budget limits.
    std::size_t tileBytes() const { return m_tileBytes; }
    // The most tileBytes has been: a capture makes room before it takes its
    // tiles, so that the budget holds at every moment.
    std::size_t peakTileBytes() const { return m_peakTileBytes; }
    // Whether the slot's picture was given up to keep within the budget: undo
    // stops before it.
    bool givenUp(int sheet, int slot) const { return m_rings[sheet][slot].givenUp; }

private:
    struct Tile {
        QImage pixels;      // null when the tile is all one colour
        unsigned colour = 0; // QRgb of that colour
        bool sameAs(const Tile &other) const;
    };
    struct Tiles {
        QSize size;               // pixels; empty for a slot never written
        std::vector<Tile> tiles;  // row by row
        unsigned background = 0xFFFFFFFF;  // QRgb of the background
        std::uint64_t taken = 0;  // which capture wrote the slot, counted from 1
        bool givenUp = false;
    };

    void refresh(Tiles &record, Surface &sheetSurface);
    // The store's records are the only holders of its tiles: a tile that no
    // other record holds goes with the record, and is counted off.
    void countOff(const Tile &tile);
    void countOff(const Tiles &record);
    void release(Tiles &record);  // counts off and empties
    void releaseTile(Tile &tile);
    // Gives up the oldest pictures, never the newest of a sheet, while the tiles
    // held and `room` more weigh more than the budget.
    void keepWithinBudget(std::size_t room = 0);
    // The most that a capture of the surface into the record can add: the
    // pixels of every tile written since the last capture.
    static std::size_t newTileBytesAtMost(const Tiles &record, const Surface &sheetSurface);
    static Tiles blank(QSize size, unsigned background);
    using SolidTiles = std::unordered_map<unsigned, QImage>;
    static void writeTile(Surface &surface, int column, int row, const Tile &tile, SolidTiles &solids);
    static bool isBlank(const Tiles &tiles);

    // First, so that it goes last: the memory of the tiles cut whole.
    TilePool m_pool;
    std::vector<std::vector<Tiles>> m_rings;
    std::vector<Tiles> m_current;  // per sheet: its picture as of its last capture or adopt
    // What the latest capture overwrote, and where.
    Tiles m_overwritten;
    int m_overwrittenSheet = -1, m_overwrittenSlot = -1;
    std::size_t m_budget;
    std::size_t m_tileBytes = 0;
    std::size_t m_peakTileBytes = 0;
    std::uint64_t m_captures = 0;
};

} // namespace garabel
