#include "raster/Surface.h"
#include "raster/TilePool.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace garabel::test {
namespace {

constexpr int kTile = Surface::kTile;

TEST(TilePool, CutsTilesThatHoldTheirPixelsReusesWhatIsLetGoAndGivesBackEmptyBlocks)
{
    QImage image(3 * kTile, 2 * kTile, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, x ^ y));
    }
    auto pool = std::make_unique<TilePool>();
    std::vector<QImage> tiles;
    for (const QPoint at : {QPoint(0, 0), QPoint(kTile, kTile), QPoint(2 * kTile, 0)}) {
        tiles.push_back(pool->cut(image, at));
        EXPECT_EQ(tiles.back(), image.copy(QRect(at, QSize(kTile, kTile))));
    }
    EXPECT_EQ(pool->bytesHeld(), std::size_t(2) << 20);
    const uchar *const freed = tiles[1].constBits();
    tiles[1] = QImage();
    EXPECT_EQ(pool->cut(image, {0, kTile}).constBits(), freed);  // let go at once, as its only holder
    EXPECT_EQ(tiles[0].constBits() + kTile * kTile * 4, freed);  // the places of one block
    // The last tile of a block gives it back, even after the pool is gone.
    const QImage kept = tiles[2];
    tiles.clear();
    EXPECT_EQ(pool->bytesHeld(), std::size_t(2) << 20);
    pool.reset();
    EXPECT_EQ(kept, image.copy(QRect(2 * kTile, 0, kTile, kTile)));
}

TEST(TilePool, BlocksHoldTheirTilesUntilTheLastGoesAndOneIsKeptEmpty)
{
    QImage image(kTile, kTile, QImage::Format_RGB32);
    image.fill(0xFF336699);
    TilePool pool;
    std::vector<QImage> tiles;
    for (int i = 0; i < 129; ++i)
        tiles.push_back(pool.cut(image, {0, 0}));
    EXPECT_EQ(pool.bytesHeld(), std::size_t(4) << 20);
    tiles.resize(128);  // the second block, empty, is kept
    tiles.resize(1);
    EXPECT_EQ(pool.bytesHeld(), std::size_t(4) << 20);
    EXPECT_EQ(tiles[0], image);
    tiles.clear();  // the first goes back
    EXPECT_EQ(pool.bytesHeld(), std::size_t(2) << 20);
    tiles.push_back(pool.cut(image, {0, 0}));
    EXPECT_EQ(pool.bytesHeld(), std::size_t(2) << 20);  // from the block kept
}

} // namespace
} // namespace garabel::test
