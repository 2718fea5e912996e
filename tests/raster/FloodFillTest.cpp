#include "raster/FloodFill.h"
#include "raster/Surface.h"

#include "support/SurfaceProbe.h"

#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace garabel::test {
namespace {


// A black one-pixel outline around (10, 10)-(29, 24) on a white 40 x 30 image.
QImage boxed()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(10, 10, 19, 14));
    return image;
}

TEST(FloodFill, FillsTheAreaUpToAnotherColourOrTheImageEdge)
{
    QImage image = boxed();
    EXPECT_EQ(floodFillImage(image, {15, 15}, kWhite, kRed, FillSolid), QRect(QPoint(11, 11), QPoint(28, 23)));
    EXPECT_EQ(countRgb(image, kRed, QRect(QPoint(11, 11), QPoint(28, 23))), 18 * 13);
    EXPECT_EQ(countRgb(image, kRed), 18 * 13);

    image = boxed();
    EXPECT_EQ(floodFillImage(image, {0, 0}, kWhite, kRed, FillSolid), image.rect());
    EXPECT_EQ(countRgb(image, kRed), 40 * 30 - 20 * 15);
}

TEST(FloodFill, JoinsPixelsThroughEdgesOnly)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(4, 4, toQRgb(kWhite));
    image.setPixel(5, 5, toQRgb(kWhite));
    floodFillImage(image, {4, 4}, kWhite, kRed, FillSolid);
    EXPECT_EQ(rgbAt(image, 4, 4), kRed);
    EXPECT_EQ(rgbAt(image, 5, 5), kWhite);
}

// The run under the seed reaches back to the first column, solid or hatched.
TEST(FloodFill, AFillSeededAtColumnOneReachesColumnZero)
{
    for (const int style : {int(FillSolid), int(FillVertical)}) {
        QImage image(8, 4, QImage::Format_RGB32);
        image.fill(Qt::white);
        floodFillImage(image, {1, 2}, kWhite, kRed, style);
        EXPECT_EQ(countRgb(image, kRed, QRect(0, 0, 1, 4)), 4) << "style " << style;
    }
}

TEST(FloodFill, DoesNothingFromOutsideOrAnotherColourOrWhenNothingWouldChange)
{
    struct Case { QPoint start; Rgb fill; int style; };
    for (const Case c : {Case{{-1, 5}, kRed, FillSolid}, Case{{40, 5}, kRed, FillSolid}, Case{{5, -1}, kRed, FillSolid},
                         Case{{5, 30}, kRed, FillSolid}, Case{{10, 10}, kRed, FillSolid}, Case{{15, 15}, kWhite, FillSolid},
                         Case{{15, 15}, kWhite, FillCross}, Case{{15, 15}, kRed, FillTransparent}}) {
        QImage image = boxed();
        EXPECT_TRUE(floodFillImage(image, c.start, kWhite, c.fill, c.style).isEmpty()) << c.start.x() << "," << c.start.y();
        EXPECT_EQ(image, boxed());
    }
}

TEST(FloodFill, WindingCorridorNeedsNoRecursionFromEitherEnd)
{
    // One-pixel walls with gaps at alternate ends: a single corridor half a million pixels long.
    QImage maze(1001, 1001, QImage::Format_RGB32);
    maze.fill(Qt::white);
    for (int x = 1; x < 1001; x += 2) {
        for (int y = 0; y < 1001; ++y) {
            if (y != ((x / 2) % 2 ? 0 : 1000))
                maze.setPixel(x, y, toQRgb(kBlack));
        }
    }
    const int white = countRgb(maze, kWhite);
    for (const QPoint start : {QPoint(0, 0), QPoint(1000, 500)}) {
        QImage image = maze;
        floodFillImage(image, start, kWhite, kRed, FillSolid);
        EXPECT_EQ(countRgb(image, kRed), white) << start.x();
    }
}

// A one-pixel lane filled from its bottom end is followed up to its top, and
// the fill tells where it painted.
TEST(FloodFill, ALaneFromTheSeedUpIsPaintedAndBoundedWhole)
{
    QImage image(5, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 0; y < 8; ++y)
        image.setPixel(2, y, toQRgb(kWhite));
    EXPECT_EQ(floodFillImage(image, {2, 7}, kWhite, kRed, FillSolid), QRect(2, 0, 1, 8));
    EXPECT_EQ(countRgb(image, kRed), 8);
}

class FloodFillStyle : public ::testing::TestWithParam<int> {};

// Figures drawn filled, and the same figures drawn hollow then flood filled inside.
TEST_P(FloodFillStyle, LooksTheSameAsTheFiguresOwnFill)
{
    Surface figure, filled;
    const Pen filling{.fillPattern = GetParam(), .fillColour = kRed};
    const Pen hollow{.fillPattern = FillTransparent, .fillColour = kRed};
    for (Surface *s : {&figure, &filled}) {
        giveInnerSize(*s, 120, 100);
        const SurfaceLayer stored = s->stored(s == &figure ? filling : hollow, Units::Pixels);
        stored.box(5, 5, 40, 30);
        stored.circle(80, 55, 30);
        stored.ellipse(25, 75, 20, kBlack, 0.5);
    }
    for (const QPoint p : {QPoint(20, 20), QPoint(80, 55), QPoint(25, 75)})
        filled.floodFill(p.x(), p.y(), kWhite, filling);
    EXPECT_EQ(figure.image(), filled.image());
    keepPictureOnFailure(filled.image());
}

INSTANTIATE_TEST_SUITE_P(Styles, FloodFillStyle, ::testing::Values(0, 2, 3, 4, 5, 6, 7));

TEST(SurfaceFloodFill, BlankSurfaceFillsWholeUnlessTheAreaColourIsAbsent)
{
    Surface surface;
    giveInnerSize(surface, 200, 130);
    const Pen red{.fillPattern = FillSolid, .fillColour = kRed};
    surface.floodFill(100, 100, kBlack, red);
    EXPECT_TRUE(surface.image().isNull());
    surface.floodFill(100, 100, kWhite, red);
    EXPECT_EQ(countRgb(surface.image(), kRed), 200 * 130);
}

TEST(SurfaceFloodFill, MarksTouchedTilesReportsTheChangeAndSparesEarlierCopies)
{
    Surface surface;
    giveInnerSize(surface, 200, 130);
    const Pen outline;
    surface.stored(outline, Units::Pixels).box(70, 70, 100, 100);
    const QImage before = surface.image();
    surface.clearDirtyTiles();
    QSignalSpy spy(&surface, &Surface::changed);
    surface.floodFill(80, 80, kWhite, Pen{.fillPattern = FillSolid, .fillColour = kRed});
    EXPECT_TRUE(surface.tileDirty(1, 1));
    EXPECT_FALSE(surface.tileDirty(0, 0));
    EXPECT_FALSE(surface.tileDirty(2, 1));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toRect(), QRect(QPoint(71, 71), QPoint(99, 99)));
    EXPECT_EQ(rgbAt(before, 80, 80), kWhite);
}

TEST(SurfaceFloodFill, RefillOfOneColourKeepsWhatWasDrawnOrWrittenSince)
{
    Surface surface;
    giveInnerSize(surface, 200, 130);
    surface.floodFill(5, 5, kWhite, Pen{.fillPattern = FillSolid, .fillColour = kRed});
    surface.clearDirtyTiles();
    const Pen outline;
    surface.stored(outline, Units::Pixels).box(70, 70, 100, 100);
    QImage tile(Surface::kTile, Surface::kTile, QImage::Format_RGB32);
    tile.fill(toQRgb(kBlue));
    surface.writeTile(2, 1, tile);
    const int black = countRgb(surface.image(), kBlack);
    surface.floodFill(0, 0, kRed, Pen{.fillPattern = FillSolid, .fillColour = kGreen});
    const QImage filled = surface.image();
    EXPECT_EQ(countRgb(filled, kBlack), black);
    EXPECT_EQ(rgbAt(filled, 80, 80), kRed);
    EXPECT_EQ(countRgb(filled, kBlue), Surface::kTile * Surface::kTile);
    EXPECT_EQ(rgbAt(filled, 199, 0), kGreen);
}

} // namespace
} // namespace garabel::test
