#include "raster/FloodFill.h"
#include "raster/HatchPattern.h"
#include "raster/internal/PixelRuns.h"
#include "raster/Surface.h"

#include "support/SurfaceProbe.h"

#include <QImage>

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

namespace garabel::test {
namespace {

constexpr QRgb kArea = 0xFFFFFFFF, kWall = 0xFF000000;

// Rows of area and wall pixels with runs of every length from 0 to 9.
std::vector<std::uint32_t> mixedRow(unsigned seed, int length)
{
    std::mt19937 random(seed);
    std::vector<std::uint32_t> row;
    while (int(row.size()) < length) {
        const int run = int(random() % 10);
        const std::uint32_t pixel = random() % 2 ? kArea : kWall;
        for (int i = 0; i < run && int(row.size()) < length; ++i)
            row.push_back(pixel);
    }
    return row;
}

TEST(PixelRuns, FourAtATimeAgreesWithOneAtATimeAtEveryOffset)
{
    for (unsigned seed = 0; seed < 40; ++seed) {
        const int length = 1 + int(seed % 37);
        const std::vector<std::uint32_t> row = mixedRow(seed, length);
        for (int from = 0; from <= length; ++from) {
            EXPECT_EQ(runs::runStart(row.data(), from, kArea), plainRuns::runStart(row.data(), from, kArea));
            for (int end = from; end <= length; ++end) {
                ASSERT_EQ(runs::find(row.data(), from, end, kArea), plainRuns::find(row.data(), from, end, kArea))
                    << "seed " << seed << " [" << from << ", " << end << ")";
                ASSERT_EQ(runs::all(row.data(), from, end, kArea), plainRuns::all(row.data(), from, end, kArea));
                for (auto paint : {&runs::paint, &runs::stream}) {
                    std::vector<std::uint32_t> painted = row, expected = row;
                    paint(painted.data(), from, end, 0xFF123456);
                    plainRuns::paint(expected.data(), from, end, 0xFF123456);
                    ASSERT_EQ(painted, expected) << "seed " << seed << " [" << from << ", " << end << ")";
                }
                std::vector<std::uint32_t> taken = row, expected = row;
                ASSERT_EQ(runs::take(taken.data(), from, end, kArea, 0xFF123456),
                          plainRuns::take(expected.data(), from, end, kArea, 0xFF123456));
                ASSERT_EQ(taken, expected) << "seed " << seed << " [" << from << ", " << end << ")";
            }
        }
    }
}

// The area around `start` found one pixel at a time, breadth first.
std::vector<QPoint> plainArea(const QImage &image, QPoint start)
{
    std::vector<QPoint> area;
    std::vector<char> seen(std::size_t(image.width() * image.height()), 0);
    const QRgb colour = image.pixel(start);
    std::deque<QPoint> next{start};
    seen[std::size_t(start.y() * image.width() + start.x())] = 1;
    while (!next.empty()) {
        const QPoint p = next.front();
        next.pop_front();
        area.push_back(p);
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + step;
            if (!image.rect().contains(q) || image.pixel(q) != colour)
                continue;
            char &mark = seen[std::size_t(q.y() * image.width() + q.x())];
            if (!mark) {
                mark = 1;
                next.push_back(q);
            }
        }
    }
    return area;
}

// Pictures where runs start and end anywhere: odd widths, runs along both
// edges, combs of one-pixel walls both ways, lanes, scattered noise.
std::vector<QImage> trickyPictures()
{
    std::vector<QImage> pictures;
    const auto add = [&pictures](int width, int height, auto isWall) {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, isWall(x, y) ? kWall : kArea);
        }
        pictures.push_back(image);
    };
    add(1, 9, [](int, int) { return false; });
    add(37, 1, [](int x, int) { return x == 17; });
    add(67, 43, [](int x, int y) { return y > 0 && x % 2 == 1; });   // comb hanging from the top row
    add(66, 45, [](int x, int y) { return x < 65 && y % 2 == 1; });  // comb along the right edge
    add(71, 29, [](int x, int y) { return (x * 7 + y * 13) % 5 == 0 && x != 0; });
    // Lanes winding up and down, one meeting the next halfway.
    add(61, 37, [](int x, int y) { return x % 4 == 3 && y != (x / 4 % 2 ? 0 : 36) && (x != 23 || y != 18); });
    std::mt19937 random(7);
    add(131, 70, [&random](int x, int y) { return x != 0 && y != 69 && random() % 100 < 38; });
    add(203, 130, [](int x, int y) { return (x / 3 + y / 5) % 4 == 0 || x % 64 == 63; });
    return pictures;
}

TEST(FloodFillRuns, LeavesThePixelsOfAPlainFill)
{
    const QRgb fill = 0xFFCC2211;
    for (const QImage &picture : trickyPictures()) {
        for (const int style : {int(FillSolid), int(FillVertical), int(FillDiagonalCross)}) {
            for (const QPoint start : {QPoint(0, 0), QPoint(picture.width() - 1, picture.height() / 2)}) {
                if (picture.pixel(start) != kArea)
                    continue;
                QImage image = picture;
                QImage expected = image;
                for (const QPoint p : plainArea(picture, start)) {
                    if (style == FillSolid || hatchRow(style, p.y()) >> (p.x() & 7) & 1)
                        expected.setPixel(p, fill);
                }
                floodFillImage({&image, fromQRgb(fill), style}, start, fromQRgb(kArea));
                ASSERT_EQ(image, expected) << picture.width() << " x " << picture.height() << ", style " << style
                                           << ", from " << start.x() << "," << start.y();
            }
        }
    }
}

TEST(FloodFillRuns, MarksTheTilesItPaintsInAndTheOnesItPaintsWhole)
{
    // 150 x 100: tiles of 64, cut short along the right and bottom edges. A wall
    // at x = 40 keeps a fill from the right out of part of the left-hand tiles;
    // one at x = 64, open along the bottom row, leaves them a lane 64 pixels wide.
    struct Case { int wall, wallBottom; std::vector<unsigned char> marks; };
    for (const Case &c : {Case{40, 99, {TileWritten, TileOneColour, TileOneColour, TileWritten, TileOneColour, TileOneColour}},
                          Case{64, 98, {TileOneColour, TileWritten, TileOneColour, TileOneColour, TileWritten, TileOneColour}}}) {
        QImage image(150, 100, QImage::Format_RGB32);
        image.fill(kArea);
        for (int y = 0; y <= c.wallBottom; ++y)
            image.setPixel(c.wall, y, kWall);
        std::vector<unsigned char> marks(3 * 2, TileClean);
        std::vector<unsigned> colours(marks.size(), 0);
        const FillPaint target{&image, fromQRgb(0xFF00FF00), FillSolid, marks.data(), 3, colours.data()};
        floodFillImage(target, {149, 0}, fromQRgb(kArea));
        EXPECT_EQ(marks, c.marks) << "wall at " << c.wall;
        EXPECT_EQ(colours[2], 0xFF00FF00u);
        EXPECT_EQ(colours[5], 0xFF00FF00u);
    }
}

TEST(SurfaceFloodFill, ATileAFillPaintedWholeIsKnownByItsColourUntilDrawnOn)
{
    Surface surface;
    giveInnerSize(surface, 200, 130);
    const Pen pen{.fillPattern = FillSolid, .fillColour = kRed};
    surface.stored(pen, Units::Pixels).pset(3, 3, kWhite);
    EXPECT_FALSE(surface.knownTileColour(0, 0));
    surface.floodFill(5, 5, kWhite, pen);
    ASSERT_EQ(surface.knownTileColour(1, 1), toQRgb(kRed));
    surface.stored(pen, Units::Pixels).pset(70, 70, kBlue);
    EXPECT_FALSE(surface.knownTileColour(1, 1));
    EXPECT_EQ(surface.knownTileColour(0, 0), toQRgb(kRed));
    surface.clearDirtyTiles();
    EXPECT_FALSE(surface.knownTileColour(0, 0));
}

} // namespace
} // namespace garabel::test
