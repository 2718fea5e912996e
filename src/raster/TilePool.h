#pragma once

#include <QImage>

#include <cstddef>

namespace garabel {

// Memory for many tiles of Surface::kTile pixels square, RGB32, handed out from
// blocks of 2 MB: a fresh block has its pages mapped in one call where tiles of
// their own would each fault in four, and the place of a tile let go serves the
// next one. The tiles are plain QImages, shared implicitly; a block goes back to
// the system with its last tile (but for one kept empty), and the tiles may
// outlive the pool. For one thread.
class TilePool
{
public:
    TilePool();
    ~TilePool();
    TilePool(const TilePool &) = delete;
    TilePool &operator=(const TilePool &) = delete;

    // A tile holding the image's (RGB32) pixels from `topLeft` on, which lie
    // all in it.
    QImage cut(const QImage &image, QPoint topLeft);
    // Bytes of the blocks held now.
    std::size_t bytesHeld() const;

private:
    struct Shared;
    Shared *m_shared;
};

} // namespace garabel
