#include "options/ColourStrip.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <vector>

namespace garabel {
namespace {

struct Swatch {
    int r, g, b;
};

struct BlockRow {
    int start;
    std::vector<Swatch> colours;
};

// The four blocks as the colour table gives them, left to right.
const std::vector<BlockRow> &blocks()
{
    static const std::vector<BlockRow> table = {
        {6, {{255, 255, 255}, {192, 192, 192}, {255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {0, 0, 255},
             {255, 0, 255}, {255, 255, 128}, {0, 255, 128}, {128, 255, 255}, {128, 128, 255}, {255, 0, 128},
             {255, 128, 64}}},
        {230, {{255, 255, 255}, {192, 192, 192}, {255, 0, 0}, {204, 153, 102}, {0, 255, 0}, {204, 51, 204},
               {51, 102, 51}, {255, 0, 255}}},
        {359, {{0, 0, 0}, {128, 128, 128}, {128, 0, 0}, {128, 128, 0}, {0, 128, 0}, {0, 128, 128}, {0, 0, 128},
               {128, 0, 128}, {128, 128, 64}, {0, 64, 64}, {0, 128, 255}, {0, 64, 128}, {64, 0, 255}, {128, 64, 0}}},
        {583, {{0, 0, 0}, {128, 128, 128}, {128, 0, 0}, {153, 51, 0}, {0, 128, 0}, {0, 128, 128}, {0, 0, 128},
               {128, 0, 128}}},
    };
    return table;
}

const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kBlack(0, 0, 0);

// Colour columns of swatch k of a block: twelve, but the last swatch of block 2 is cut to eleven.
int colourWidth(size_t block, size_t k)
{
    return block == 1 && k == blocks()[block].colours.size() - 1 ? 11 : 12;
}

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

class ColourStrip : public ::testing::Test {
protected:
    QImage strip = colourStripPicture();
};

TEST_F(ColourStrip, Is713By19AndOpaque)
{
    EXPECT_EQ(strip.width(), 713);
    EXPECT_EQ(strip.height(), 19);
    EXPECT_EQ(strip.format(), QImage::Format_RGB32);
}

TEST_F(ColourStrip, EverySwatchShowsItsColourOnRows3To14)
{
    for (size_t b = 0; b < blocks().size(); ++b) {
        const BlockRow &block = blocks()[b];
        for (size_t k = 0; k < block.colours.size(); ++k) {
            const Swatch s = block.colours[k];
            const int left = block.start + 16 * int(k);
            for (int y = 3; y <= 14; ++y)
                for (int x = left; x < left + colourWidth(b, k); ++x)
                    ASSERT_EQ(at(strip, x, y), QColor(s.r, s.g, s.b))
                        << "block " << b + 1 << " swatch " << k << " at " << x << "," << y;
        }
    }
}

TEST_F(ColourStrip, BlackEdgeRunsAboveAndLeftOfEverySwatch)
{
    for (size_t b = 0; b < blocks().size(); ++b) {
        const BlockRow &block = blocks()[b];
        for (size_t k = 0; k < block.colours.size(); ++k) {
            const int left = block.start + 16 * int(k);
            for (int y = 2; y <= 14; ++y)
                ASSERT_EQ(at(strip, left - 1, y), kBlack) << "block " << b + 1 << " swatch " << k << " row " << y;
            for (int x = left - 1; x < left + colourWidth(b, k); ++x)
                ASSERT_EQ(at(strip, x, 2), kBlack) << "block " << b + 1 << " swatch " << k << " column " << x;
        }
    }
}

TEST_F(ColourStrip, SilverEdgeRunsRightAndBelowEverySwatch)
{
    for (size_t b = 0; b < blocks().size(); ++b) {
        const BlockRow &block = blocks()[b];
        for (size_t k = 0; k < block.colours.size(); ++k) {
            const int left = block.start + 16 * int(k);
            const int right = left + colourWidth(b, k);
            for (int y = 2; y <= 15; ++y)
                ASSERT_EQ(at(strip, right, y), kSilver) << "block " << b + 1 << " swatch " << k << " row " << y;
            for (int x = left - 1; x <= right; ++x)
                ASSERT_EQ(at(strip, x, 15), kSilver) << "block " << b + 1 << " swatch " << k << " column " << x;
        }
    }
}

TEST_F(ColourStrip, WhiteSwatchOfBlock1HasItsFourEdges)
{
    EXPECT_EQ(at(strip, 6, 3), QColor(255, 255, 255));
    EXPECT_EQ(at(strip, 5, 3), kBlack);
    EXPECT_EQ(at(strip, 6, 2), kBlack);
    EXPECT_EQ(at(strip, 18, 3), kSilver);
    EXPECT_EQ(at(strip, 6, 15), kSilver);
    EXPECT_EQ(at(strip, 19, 3), kGrey);
}

TEST_F(ColourStrip, TopRowCarriesASilverLineOverEachBlockOnly)
{
    const int spans[][2] = {{5, 226}, {229, 353}, {358, 579}, {582, 707}};
    for (int x = 0; x < 713; ++x) {
        bool over = false;
        for (const auto &span : spans)
            over = over || (x >= span[0] && x <= span[1]);
        ASSERT_EQ(at(strip, x, 0), over ? kSilver : kGrey) << "column " << x;
        ASSERT_EQ(at(strip, x, 1), kGrey) << "column " << x;
    }
}

TEST_F(ColourStrip, BackgroundIsGreyBetweenBlocksAndBelowTheSwatches)
{
    const int gaps[][2] = {{0, 4}, {227, 228}, {354, 357}, {580, 581}, {708, 712}};
    for (const auto &gap : gaps)
        for (int x = gap[0]; x <= gap[1]; ++x)
            for (int y = 0; y < 19; ++y)
                ASSERT_EQ(at(strip, x, y), kGrey) << x << "," << y;
    for (int y = 16; y < 19; ++y)
        for (int x = 0; x < 713; ++x)
            ASSERT_EQ(at(strip, x, y), kGrey) << x << "," << y;
}

TEST_F(ColourStrip, TwoGreyColumnsSeparateNeighbouringSwatches)
{
    for (const BlockRow &block : blocks())
        for (size_t k = 0; k + 1 < block.colours.size(); ++k) {
            const int left = block.start + 16 * int(k);
            for (int y = 1; y < 19; ++y) {
                ASSERT_EQ(at(strip, left + 13, y), kGrey) << left + 13 << "," << y;
                ASSERT_EQ(at(strip, left + 14, y), kGrey) << left + 14 << "," << y;
            }
        }
}

TEST_F(ColourStrip, LastSwatchOfBlock2IsCutToElevenColumns)
{
    for (int y = 3; y <= 14; ++y) {
        EXPECT_EQ(at(strip, 342, y), QColor(255, 0, 255));
        EXPECT_EQ(at(strip, 352, y), QColor(255, 0, 255));
        EXPECT_EQ(at(strip, 353, y), kSilver);
        EXPECT_EQ(at(strip, 354, y), kGrey);
    }
    EXPECT_EQ(at(strip, 341, 8), kBlack);
}

} // namespace
} // namespace garabel
