#include "raster/TilePool.h"

#include "raster/Surface.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace garabel {

namespace {
constexpr int kSide = Surface::kTile;
constexpr std::size_t kTileBytes = std::size_t(kSide) * kSide * sizeof(QRgb);
constexpr std::size_t kBlockBytes = std::size_t(2) << 20;
constexpr std::size_t kPageBytes = 4096;
constexpr int kTilesPerBlock = int(kBlockBytes / kTileBytes);
} // namespace

struct TilePool::Shared {
    struct Block;
    // What a tile's image gives back when it goes: its place in its block.
    struct Place {
        Block *block;
        int index;
    };
    struct Block {
        Shared *shared = nullptr;
        uchar *memory = nullptr;
        std::array<Place, kTilesPerBlock> places;
        std::vector<int> free;  // the places no tile holds

        ~Block() { std::free(memory); }
    };

    std::vector<std::unique_ptr<Block>> blocks;
    std::vector<Block *> open;  // the blocks with free places, the next to serve last
    // One empty block is kept for the next tiles: a capture withdrawn, then
    // taken again, would otherwise ask the system for a fresh block each time.
    Block *spare = nullptr;
    bool poolGone = false;

    Block *newBlock();
    void drop(Block *block);
    static void giveBack(void *info);
};

TilePool::Shared::Block *TilePool::Shared::newBlock()
{
    auto block = std::make_unique<Block>();
    block->memory = static_cast<uchar *>(std::aligned_alloc(kPageBytes, kBlockBytes));
    if (!block->memory)
        return nullptr;
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    // All its pages at once, not one fault each as the tiles come; an older
    // system that does not know the advice faults them in as before.
    madvise(block->memory, kBlockBytes, MADV_POPULATE_WRITE);
#endif
    block->shared = this;
    for (int i = 0; i < kTilesPerBlock; ++i) {
        block->places[i] = {block.get(), i};
        block->free.push_back(kTilesPerBlock - 1 - i);
    }
    open.push_back(block.get());
    blocks.push_back(std::move(block));
    return open.back();
}

void TilePool::Shared::giveBack(void *info)
{
    const Place &place = *static_cast<Place *>(info);
    Block *block = place.block;
    Shared *shared = block->shared;
    if (block->free.empty())
        shared->open.push_back(block);
    block->free.push_back(place.index);
    if (int(block->free.size()) == kTilesPerBlock) {
        if (shared->spare || shared->poolGone)
            shared->drop(block);
        else
            shared->spare = block;
    }
    if (shared->poolGone && shared->blocks.empty())
        delete shared;
}

void TilePool::Shared::drop(Block *block)
{
    open.erase(std::find(open.begin(), open.end(), block));
    blocks.erase(std::find_if(blocks.begin(), blocks.end(),
                              [block](const std::unique_ptr<Block> &b) { return b.get() == block; }));
}

TilePool::TilePool() : m_shared(new Shared) {}

TilePool::~TilePool()
{
    m_shared->poolGone = true;
    if (m_shared->spare)
        m_shared->drop(m_shared->spare);
    if (m_shared->blocks.empty())
        delete m_shared;
}

QImage TilePool::cut(const QImage &image, QPoint topLeft)
{
    Shared::Block *block = m_shared->open.empty() ? m_shared->newBlock() : m_shared->open.back();
    if (!block)
        return image.copy(QRect(topLeft, QSize(kSide, kSide)));
    if (block == m_shared->spare)
        m_shared->spare = nullptr;
    const int index = block->free.back();
    block->free.pop_back();
    if (block->free.empty())
        m_shared->open.pop_back();
    uchar *const pixels = block->memory + std::size_t(index) * kTileBytes;
    constexpr std::size_t kRowBytes = kSide * sizeof(QRgb);
    for (int y = 0; y < kSide; ++y)
        std::memcpy(pixels + y * kRowBytes, image.constScanLine(topLeft.y() + y) + topLeft.x() * sizeof(QRgb), kRowBytes);
    return QImage(pixels, kSide, kSide, int(kRowBytes), QImage::Format_RGB32, &Shared::giveBack,
                  &block->places[std::size_t(index)]);
}

std::size_t TilePool::bytesHeld() const
{
    return m_shared->blocks.size() * kBlockBytes;
}

} // namespace garabel
