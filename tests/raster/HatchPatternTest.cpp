#include "raster/HatchPattern.h"
#include "raster/Surface.h"

#include "support/Pixels.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace garabel::test {

// The 8 x 8 cell of each hatch, side by side in the order of the fill styles:
// horizontal, vertical, upward diagonal, downward diagonal, cross, diagonal cross.
constexpr const char *kHatchCells[8] = {
    "######## #....... .......# #....... ######## #......#",
    "........ #....... ......#. .#...... #....... .#....#.",
    "........ #....... .....#.. ..#..... #....... ..#..#..",
    "........ #....... ....#... ...#.... #....... ...##...",
    "........ #....... ...#.... ....#... #....... ...##...",
    "........ #....... ..#..... .....#.. #....... ..#..#..",
    "........ #....... .#...... ......#. #....... .#....#.",
    "........ #....... #....... .......# #....... #......#",
};

TEST(HatchPattern, EachHatchPaintsItsCellRepeatedFromTheTopLeftCorner)
{
    for (int style = FillHorizontal; style <= FillDiagonalCross; ++style) {
        QImage painted(16, 16, QImage::Format_RGB32), expected(16, 16, QImage::Format_RGB32);
        painted.fill(kWhitePixel);
        QPainter(&painted).fillRect(painted.rect(), hatchBrush(style, kRed));
        const int column = 9 * (style - FillHorizontal);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x)
                expected.setPixel(x, y, kHatchCells[y % 8][column + x % 8] == '#' ? kRedPixel : kWhitePixel);
        }
        EXPECT_EQ(painted, expected) << "fill style " << style;
        if (painted != expected)
            savePicture(painted, QStringLiteral("hatch-%1.actual").arg(style));
    }
}

} // namespace garabel::test
