#include "raster/ShownSurface.h"

#include "support/SurfaceProbe.h"

#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace garabel::test {
namespace {


// A shown 120 x 100 pixel surface, both layers drawn with `pen` in pixel coordinates.
class SurfaceStore : public ::testing::Test
{
protected:
    SurfaceStore() { giveInnerSize(surface, 120, 100); }
    void TearDown() override { keepPictureOnFailure(surface.composedImage()); }

    ShownSurface surface;
    Pen pen;
    SurfaceLayer stored = surface.stored(pen, Units::Pixels);
    SurfaceLayer overlay = surface.overlay(pen, Units::Pixels);
};

TEST_F(SurfaceStore, InnerSizeIsTheOuterTwipsLessTheFrame)
{
    surface.setWidth(9000);
    surface.setHeight(6007);  // 400.47 pixels
    EXPECT_EQ(surface.innerPixelSize(), QSize(598, 398));
    EXPECT_EQ(surface.innerWidth(), 598 * 15);
    EXPECT_EQ(surface.innerHeight(), 398 * 15);
}

TEST_F(SurfaceStore, PointReadsStoredPixelsAndBackColorWhereNothingIsStored)
{
    surface.setBackColor(0x123456);
    EXPECT_TRUE(surface.image().isNull());
    EXPECT_EQ(surface.pixel(5, 5), 0x123456u);
    EXPECT_EQ(countRgb(surface.renderedImage(), 0x123456), 120 * 100);

    stored.pset(3, 4, kRed);
    EXPECT_EQ(surface.pixel(3, 4), kRed);
    EXPECT_EQ(surface.point(3 * 15 + 7, 4 * 15 - 7), kRed) << "twips, to the nearest pixel";
    for (const QPoint p : {QPoint(-1, 0), QPoint(0, -1), QPoint(120, 0), QPoint(0, 100)})
        EXPECT_EQ(surface.pixel(p.x(), p.y()), 0x123456u) << p.x() << "," << p.y();
}

TEST_F(SurfaceStore, OverlayFigureIsShownButNotStoredAndGoesAtRefresh)
{
    overlay.line(10, 10, 50, 10, kRed);
    EXPECT_TRUE(surface.image().isNull());
    EXPECT_EQ(surface.pixel(30, 10), kWhite);
    EXPECT_EQ(rgbAt(surface.composedImage(), 30, 10), kRed);
    surface.refresh();
    EXPECT_EQ(countRgb(surface.composedImage(), kWhite), 120 * 100);
}

// Replayed into a 32-bit image the overlay writes its figures' pixels itself;
// into a 24-bit one a painter paints them: both under the same shift and clip.
TEST_F(SurfaceStore, OverlayWrittenPixelByPixelEqualsTheOverlayPainted)
{
    overlay.ellipse(60, 50, 45, kRed, 0.6);
    pen.fillPattern = FillSolid;
    pen.fillColour = kBlue;
    overlay.circle(30, 30, 20, kGreen);
    pen.fillPattern = FillCross;
    overlay.box(70, 40, 110, 90, kBlack);
    pen.width = 3;
    overlay.line(0, 99, 119, 0, kRed);
    QRegion clip = QRect(0, 0, 50, 40);
    clip += QRect(60, 30, 30, 70);
    clip += QRect(100, 0, 20, 20);
    const auto replay = [&](QImage::Format format) {
        QImage image(130, 110, format);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setClipRegion(clip);
        painter.translate(7, 5);
        surface.paintOverlay(painter);
        return image.convertToFormat(QImage::Format_RGB32);
    };
    const QImage written = replay(QImage::Format_RGB32), painted = replay(QImage::Format_RGB888);
    EXPECT_EQ(written, painted);
    EXPECT_GT(countRgb(written, kBlue), 0);
    EXPECT_GT(countRgb(written, kRed), 0);
}

TEST_F(SurfaceStore, EachLayerKeepsToItselfPointsInBulkToo)
{
    stored.line(10, 10, 50, 10, kRed);
    stored.psetMany({QPointF(60, 60)});
    EXPECT_FALSE(surface.hasOverlay());
    EXPECT_EQ(surface.pixel(30, 10), kRed);
    EXPECT_EQ(surface.pixel(60, 60), kBlack);

    overlay.psetMany({QPointF(80, 80)});
    EXPECT_EQ(surface.pixel(80, 80), kWhite);
    EXPECT_EQ(rgbAt(surface.composedImage(), 80, 80), kBlack);
    surface.refresh();
    EXPECT_EQ(surface.composedImage(), surface.image());
}

TEST_F(SurfaceStore, ImageCopiesAreIndependentOfEachOtherAndOfLaterDrawing)
{
    stored.pset(10, 10, kRed);
    QImage first = surface.image();
    stored.pset(20, 20, kRed);
    const QImage second = surface.image();
    EXPECT_EQ(rgbAt(first, 20, 20), kWhite);
    EXPECT_EQ(rgbAt(second, 20, 20), kRed);
    first.setPixel(30, 30, toQRgb(kBlue));
    EXPECT_EQ(surface.pixel(30, 30), kWhite);
    EXPECT_EQ(rgbAt(second, 30, 30), kWhite);
}

TEST_F(SurfaceStore, PictureOfAnotherSurfacesImageShowsExactlyThatDrawing)
{
    Surface sheet;
    giveInnerSize(sheet, 120, 100);
    sheet.stored(pen, Units::Pixels).circle(60, 50, 30, kRed);
    overlay.line(0, 0, 119, 99);  // a preview that the picture removes

    surface.setPicture(sheet.image());
    EXPECT_EQ(surface.composedImage(), sheet.image());
    EXPECT_EQ(surface.image().constBits(), sheet.image().constBits());  // shared, not copied
    stored.pset(1, 1, kRed);
    EXPECT_EQ(rgbAt(sheet.image(), 1, 1), kWhite);
}

TEST_F(SurfaceStore, PictureSitsTopLeftOverTheBackgroundClippedAndEmptyOneClears)
{
    QImage small(10, 8, QImage::Format_ARGB32);
    small.fill(QColor(Qt::red));
    surface.setPicture(small);
    EXPECT_EQ(surface.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(inkBounds(surface.image(), kWhite), QRect(0, 0, 10, 8));

    QImage large(300, 300, QImage::Format_RGB32);
    large.fill(QColor(Qt::blue));
    surface.setPicture(large);
    EXPECT_EQ(surface.image().size(), QSize(120, 100));
    EXPECT_EQ(surface.pixel(119, 99), kBlue);

    surface.setPicture(QImage());
    EXPECT_EQ(countRgb(surface.renderedImage(), kWhite), 120 * 100);
}

struct ScaleCase {
    Units units;
    double x, y;
    QPoint pixel;
};

class SurfaceScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(SurfaceScale, CoordinatesBecomeTheNearestPixel)
{
    const ScaleCase c = GetParam();
    Surface surface;
    giveInnerSize(surface, 40, 40);
    const Pen pen;
    surface.stored(pen, c.units).pset(c.x, c.y);
    EXPECT_EQ(inkBounds(surface.image(), kWhite), QRect(c.pixel, QSize(1, 1)));
}

INSTANTIATE_TEST_SUITE_P(Conversions, SurfaceScale, ::testing::Values(
    ScaleCase{Units::Twips, 150, 300, {10, 20}}, ScaleCase{Units::Twips, 157, 7, {10, 0}},
    ScaleCase{Units::Twips, 158, 8, {11, 1}}, ScaleCase{Units::Pixels, 10.6, 19.4, {11, 19}}));

QRect printed(QPointF at, bool bold = false)
{
    Surface surface;
    giveInnerSize(surface, 300, 120);
    const Pen pen{.colour = kRed, .fontName = QStringLiteral("DejaVu Sans"), .fontSize = 18, .bold = bold};
    surface.stored(pen).print(at.x(), at.y(), "Hola");
    const QImage image = surface.image();
    // No smoothing: every pixel is the text colour or the background.
    EXPECT_EQ(countRgb(image, kRed) + countRgb(image, kWhite), 300 * 120);
    return inkBounds(image, kWhite);
}

TEST(SurfaceText, TopLeftIsAtTheCurrentPosition)
{
    const QRect ink = printed({20 * 15, 30 * 15});
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.left(), 23);
    EXPECT_GE(ink.top(), 30);
    EXPECT_LE(ink.top(), 38);
    EXPECT_LE(ink.bottom(), 30 + 24 + 4);  // 18 points are 24 pixels
    EXPECT_EQ(printed({35 * 15, 37 * 15}), ink.translated(15, 7));
    EXPECT_GT(printed({20 * 15, 30 * 15}, true).width(), ink.width());
}

// 200 x 130 pixels: 4 x 3 tiles, the last column and row partial.
class SurfaceChanges : public SurfaceStore
{
protected:
    SurfaceChanges()
    {
        giveInnerSize(surface, 200, 130);
        surface.clearDirtyTiles();
    }
    std::vector<QPoint> dirtyTiles() const
    {
        std::vector<QPoint> tiles;
        for (int row = 0; row < surface.tileRows(); ++row) {
            for (int column = 0; column < surface.tileColumns(); ++column) {
                if (surface.tileDirty(column, row))
                    tiles.emplace_back(column, row);
            }
        }
        return tiles;
    }
    QRegion changed() const
    {
        QRegion region;
        for (const QList<QVariant> &signal : spy)
            region += signal.at(0).toRect();
        return region;
    }

    QSignalSpy spy{&surface, &Surface::changed};
};

TEST_F(SurfaceChanges, StoredDrawingMarksTheTilesItTouchesAndPictureMarksAll)
{
    EXPECT_EQ(surface.tileColumns() * surface.tileRows(), 12);
    overlay.line(0, 0, 199, 129);  // no tile
    EXPECT_TRUE(dirtyTiles().empty());
    stored.pset(70, 70);
    stored.line(10, 129, 199, 129);
    EXPECT_EQ(dirtyTiles(), (std::vector<QPoint>{{1, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}}));
    surface.clearDirtyTiles();
    surface.setPicture(QImage());
    EXPECT_EQ(dirtyTiles().size(), 12u);
}

TEST_F(SurfaceChanges, ReportsSmallRectanglesAroundFiguresAndWhereTheOverlayWas)
{
    overlay.box(100, 20, 110, 30);
    EXPECT_TRUE(changed().contains(QRect(QPoint(100, 20), QPoint(110, 30))));
    EXPECT_LE(area(changed()), 15 * 15);

    overlay.line(0, 0, 199, 129);
    const QImage shown = surface.composedImage();
    spy.clear();
    surface.refresh();
    const QRegion gone = changed();
    EXPECT_EQ(QRegion(inkRegion(shown, kWhite)) - gone, QRegion());
    EXPECT_LT(area(gone), 200 * 130 / 2);  // along the line, not its bounding box
}

} // namespace
} // namespace garabel::test
