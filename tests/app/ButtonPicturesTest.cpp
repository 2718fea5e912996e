#include "app/ButtonPictures.h"
#include "app/OptionPictures.h"

#include <QColor>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace garabel {
namespace {

// At the ratio of an ordinary screen.
QImage paletteAt1(int index)
{
    return paletteIcon(index);
}

QImage reflectionAt1(int index)
{
    return reflectionIcon(index);
}


using Picture = std::function<QImage(int)>;

int opaqueCount(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

int transparentCount(const QImage &image)
{
    return image.width() * image.height() - opaqueCount(image);
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// Dark: drawn (alpha over half) and darker than the middle grey.
int darkCount(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.alpha() > 128 && c.lightness() < 100;
        }
    return count;
}

int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// A picture that shows something: some pixels drawn, at least two colours among them, and
// background left transparent so that a marked button face shows around the drawing.
void expectButtonPicture(const QImage &image, QSize size, const std::string &what)
{
    ASSERT_FALSE(image.isNull()) << what;
    EXPECT_EQ(image.size(), size) << what;
    EXPECT_TRUE(image.hasAlphaChannel()) << what;
    EXPECT_GT(opaqueCount(image), 8) << what;
    EXPECT_GE(distinctColours(image), 3) << what;
    EXPECT_GT(transparentCount(image), 0) << what;
}

void expectAllDifferent(const Picture &picture, int count, const std::string &group)
{
    std::vector<QImage> images;
    for (int i = 0; i < count; ++i)
        images.push_back(picture(i));
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            EXPECT_GT(differingPixels(images[size_t(i)], images[size_t(j)]), 4)
                << group << " " << i << " and " << j << " look alike";
}

void expectNullOutsideRange(const Picture &picture, int count, const std::string &group)
{
    EXPECT_TRUE(picture(-1).isNull()) << group;
    EXPECT_TRUE(picture(count).isNull()) << group;
}

// Whether every drawn pixel lies in the central square of `side` pixels.
bool drawsOnlyInCentre(const QImage &image, int side)
{
    const int margin = (image.width() - side) / 2;
    const QRect centre(margin, margin, side, side);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0 && !centre.contains(x, y))
                return false;
    return true;
}

bool isReddish(const QColor &c)
{
    return c.alpha() > 100 && c.red() > 170 && c.green() < 140 && c.blue() < 130;
}

TEST(ButtonPictures, EveryPaletteIconIs32By32AndShowsSomething)
{
    for (int i = 0; i < kPaletteIconCount; ++i)
        expectButtonPicture(paletteIcon(i), QSize(32, 32), "palette " + std::to_string(i));
}

TEST(ButtonPictures, AllPaletteIconsDifferFromEachOther)
{
    expectAllDifferent(paletteAt1, kPaletteIconCount, "palette");
}

TEST(ButtonPictures, GridIconsAre32By32AndGetSparserFromFirstToLast)
{
    int previous = 32 * 32 + 1;
    for (int i = 0; i < kGridIconCount; ++i) {
        const QImage image = gridIcon(i);
        expectButtonPicture(image, QSize(32, 32), "grid " + std::to_string(i));
        const int dark = darkCount(image);
        EXPECT_GT(dark, 0) << "grid " << i;
        EXPECT_LT(dark, previous) << "grid " << i << " is not sparser than grid " << i - 1;
        previous = dark;
    }
}

TEST(ButtonPictures, ReflectionIconsAre32By32DifferentAndLeaveMostOfTheFaceVisible)
{
    for (int i = 0; i < kReflectionIconCount; ++i) {
        const QImage image = reflectionIcon(i);
        expectButtonPicture(image, QSize(32, 32), "reflection " + std::to_string(i));
        EXPECT_GT(transparentCount(image), 32 * 32 / 2) << "reflection " << i << " hides its face colour";
    }
    expectAllDifferent(reflectionAt1, kReflectionIconCount, "reflection");
}

TEST(ButtonPictures, LeftRightReflectionShowsAVerticalAxisAndTopBottomAHorizontalOne)
{
    const auto redInColumn = [](const QImage &image, int x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            count += isReddish(image.pixelColor(x, y));
        return count;
    };
    const auto redInRow = [](const QImage &image, int y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += isReddish(image.pixelColor(x, y));
        return count;
    };
    const QImage leftRight = reflectionIcon(1);
    const QImage topBottom = reflectionIcon(2);
    EXPECT_GE(redInColumn(leftRight, 16), 12);
    EXPECT_LT(redInRow(leftRight, 16), 4);
    EXPECT_GE(redInRow(topBottom, 16), 12);
    EXPECT_LT(redInColumn(topBottom, 16), 4);
}

TEST(ButtonPictures, OptionIconsHaveTheirSizesAndFitAnOptionButton)
{
    struct Group {
        std::string name;
        Picture picture;
        int count;
        std::function<int(int)> side;
    };
    const std::vector<Group> groups = {
        {"polygon mode", polygonModeIcon, kPolygonModeIconCount, [](int) { return 16; }},
        {"circle mode", circleModeIcon, kCircleModeIconCount, [](int i) { return i < 2 ? 16 : 32; }},
        {"pen width", penWidthIcon, kPenWidthIconCount, [](int) { return 32; }},
        {"fill pattern", fillPatternIcon, kFillPatternIconCount, [](int) { return 32; }},
        {"eraser", eraserIcon, kEraserIconCount, [](int) { return 16; }},
    };
    for (const Group &group : groups) {
        for (int i = 0; i < group.count; ++i) {
            const QImage image = group.picture(i);
            const std::string what = group.name + " " + std::to_string(i);
            ASSERT_FALSE(image.isNull()) << what;
            EXPECT_EQ(image.size(), QSize(group.side(i), group.side(i))) << what;
            EXPECT_GT(opaqueCount(image), 8) << what;
            EXPECT_TRUE(drawsOnlyInCentre(image, kOptionContentSide)) << what;
        }
        expectAllDifferent(group.picture, group.count, group.name);
        expectNullOutsideRange(group.picture, group.count, group.name);
    }
}

TEST(ButtonPictures, PenWidthIconBarIsAsThickAsThePen)
{
    for (int i = 0; i < kPenWidthIconCount; ++i) {
        const QImage image = penWidthIcon(i);
        // The column at the bar's left end lies clear of the number above it.
        int rows = 0;
        for (int y = 0; y < 32; ++y)
            rows += qAlpha(image.pixel(7, y)) == 255;
        EXPECT_EQ(rows, i + 1) << "pen width " << i + 1;
    }
}

TEST(ButtonPictures, FillPatternIconsFollowTheirPattern)
{
    const QRect inside(7, 7, 18, 18);
    const auto drawn = [](const QImage &image, int x, int y) { return qAlpha(image.pixel(x, y)) > 0; };
    const QImage solid = fillPatternIcon(0);
    const QImage empty = fillPatternIcon(1);
    const QImage horizontal = fillPatternIcon(2);
    const QImage vertical = fillPatternIcon(3);
    int solidCount = 0, emptyCount = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            solidCount += drawn(solid, x, y);
            emptyCount += drawn(empty, x, y);
            ASSERT_EQ(drawn(horizontal, x, y), drawn(horizontal, inside.left(), y)) << x << "," << y;
            ASSERT_EQ(drawn(vertical, x, y), drawn(vertical, x, inside.top())) << x << "," << y;
        }
    EXPECT_EQ(solidCount, inside.width() * inside.height());
    EXPECT_EQ(emptyCount, 0);
    // The hatched ones are hatched: some lines, some gaps.
    for (int i = 2; i < kFillPatternIconCount; ++i) {
        int count = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                count += drawn(fillPatternIcon(i), x, y);
        EXPECT_GT(count, 18) << "pattern " << i;
        EXPECT_LT(count, inside.width() * inside.height() * 2 / 3) << "pattern " << i;
    }
}

TEST(ButtonPictures, EraserIconsGrowWithTheIndex)
{
    int previous = 0;
    for (int i = 0; i < kEraserIconCount; ++i) {
        const int drawn = opaqueCount(eraserIcon(i));
        EXPECT_GT(drawn, previous) << "eraser " << i;
        previous = drawn;
    }
}

TEST(ButtonPictures, OutOfRangeIndicesGiveNoPicture)
{
    expectNullOutsideRange(paletteAt1, kPaletteIconCount, "palette");
    expectNullOutsideRange(gridIcon, kGridIconCount, "grid");
    expectNullOutsideRange(reflectionAt1, kReflectionIconCount, "reflection");
}

TEST(ButtonPictures, StartupPictureIsAnOpaque713By535TitlePage)
{
    const QImage image = startupPicture();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(713, 535));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_GT(distinctColours(image), 20);
    // Mostly a light page, with a real amount drawn on it.
    const int dark = darkCount(image);
    EXPECT_GT(dark, 713 * 535 / 100);
    EXPECT_LT(dark, 713 * 535 / 4);
}

TEST(ButtonPictures, WindowIconIs32By32)
{
    const QImage image = windowIcon();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_GE(distinctColours(image), 3);
    EXPECT_GT(opaqueCount(image), 32 * 32 / 2);
}

TEST(ButtonPictures, CanvasCursorIsABlackAndWhiteCrosshairAroundItsHotSpot)
{
    const QImage image = canvasCursorImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(16, 16));
    const QPoint hot = canvasCursorHotSpot();
    ASSERT_TRUE(image.rect().contains(hot));
    EXPECT_EQ(image.pixel(hot), qRgba(0, 0, 0, 255));
    // Monochrome: black, white or see-through, nothing in between.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb p = image.pixel(x, y);
            const bool allowed = qAlpha(p) == 0 || p == qRgba(0, 0, 0, 255) || p == qRgba(255, 255, 255, 255);
            ASSERT_TRUE(allowed) << x << "," << y;
        }
    // The arms run along the hot spot's row and column, so it marks the point the user aims at.
    EXPECT_EQ(image.pixel(hot.x(), 2), qRgba(0, 0, 0, 255));
    EXPECT_EQ(image.pixel(2, hot.y()), qRgba(0, 0, 0, 255));
    EXPECT_EQ(image.pixel(hot.x(), 13), qRgba(0, 0, 0, 255));
    EXPECT_EQ(image.pixel(13, hot.y()), qRgba(0, 0, 0, 255));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

} // namespace
} // namespace garabel
