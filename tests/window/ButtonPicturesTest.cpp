#include "support/ExpectedPicture.h"
#include "support/Pixels.h"
#include "window/ButtonPictures.h"
#include "window/OptionPictures.h"

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

// Pixels in `rect` drawn in a clear red, the colour of the reflection axes.
int reddishIn(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.alpha() > 100 && c.red() > 170 && c.green() < 140 && c.blue() < 130;
        }
    return count;
}

// The pictures drawn pixel by pixel in code, each group side by side as its expected
// picture shows it.
TEST(ButtonPictures, CodeDrawnPicturesMatchTheirExpectedPictures)
{
    const struct {
        const char *name;
        Picture picture;
        int count;
    } groups[] = {
        {"grid-buttons", gridIcon, kGridIconCount},
        {"polygon-mode-buttons", polygonModeIcon, kPolygonModeIconCount},
        {"circle-kind-buttons", circleModeIcon, kCircleModeIconCount},
        {"pen-width-buttons", penWidthIcon, kPenWidthIconCount},
        {"fill-pattern-buttons", fillPatternIcon, kFillPatternIconCount},
        {"eraser-size-buttons", eraserIcon, kEraserIconCount},
    };
    for (const auto &group : groups) {
        std::vector<QImage> pictures;
        for (int i = 0; i < group.count; ++i)
            pictures.push_back(group.picture(i));
        EXPECT_TRUE(test::matchesExpectedPicture(test::sideBySide(pictures), QString::fromLatin1(group.name)));
    }
}

// The palette and reflection pictures are the SVG assets as Qt's renderer antialiases them,
// which may shift between Qt versions; they are checked for what they must show instead.
TEST(ButtonPictures, PaletteIconsAre32By32ShowSomethingAndDifferFromEachOther)
{
    for (int i = 0; i < kPaletteIconCount; ++i)
        expectButtonPicture(paletteIcon(i), QSize(32, 32), "palette " + std::to_string(i));
    expectAllDifferent(paletteAt1, kPaletteIconCount, "palette");
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
    const QRect middleColumn(16, 0, 1, 32);
    const QRect middleRow(0, 16, 32, 1);
    const QImage leftRight = reflectionIcon(1);
    const QImage topBottom = reflectionIcon(2);
    EXPECT_GE(reddishIn(leftRight, middleColumn), 12);
    EXPECT_LT(reddishIn(leftRight, middleRow), 4);
    EXPECT_GE(reddishIn(topBottom, middleRow), 12);
    EXPECT_LT(reddishIn(topBottom, middleColumn), 4);
}

TEST(ButtonPictures, OutOfRangeIndicesGiveNoPicture)
{
    expectNullOutsideRange(paletteAt1, kPaletteIconCount, "palette");
    expectNullOutsideRange(gridIcon, kGridIconCount, "grid");
    expectNullOutsideRange(reflectionAt1, kReflectionIconCount, "reflection");
    expectNullOutsideRange(polygonModeIcon, kPolygonModeIconCount, "polygon mode");
    expectNullOutsideRange(circleModeIcon, kCircleModeIconCount, "circle kind");
    expectNullOutsideRange(penWidthIcon, kPenWidthIconCount, "pen width");
    expectNullOutsideRange(fillPatternIcon, kFillPatternIconCount, "fill pattern");
    expectNullOutsideRange(eraserIcon, kEraserIconCount, "eraser size");
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
    EXPECT_EQ(image.pixel(hot), test::kBlackPixel);
    // Monochrome: black, white or see-through, nothing in between.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb p = image.pixel(x, y);
            const bool allowed = qAlpha(p) == 0 || p == test::kBlackPixel || p == test::kWhitePixel;
            ASSERT_TRUE(allowed) << x << "," << y;
        }
    // The arms run along the hot spot's row and column, so it marks the point the user aims at.
    EXPECT_EQ(image.pixel(hot.x(), 2), test::kBlackPixel);
    EXPECT_EQ(image.pixel(2, hot.y()), test::kBlackPixel);
    EXPECT_EQ(image.pixel(hot.x(), 13), test::kBlackPixel);
    EXPECT_EQ(image.pixel(13, hot.y()), test::kBlackPixel);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

} // namespace
} // namespace garabel
