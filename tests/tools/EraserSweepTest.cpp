#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace garabel::test {

namespace {
constexpr double kStep = 150;  // ten pixels

// A blue area over pixels 100..600 x 100..400 of the blank sheet, and the eraser
// of size button `size`, snapping to the grid or not.
struct ErasingWindow : BlankWindow {
    ErasingWindow(int size, bool snapping)
    {
        commitBox(*this, QRectF(1500, 1500, 7500, 4500), rgb(0, 0, 255));
        chooseTool(PaletteButton::Eraser);
        window().onEraserSizeButton(size);
        moveFreely(!snapping);
    }
    // Pixels the square of half side `half` (twips, one-pixel pen) leaves blue
    // when it sits on the pixel at (x, y).
    int unerasedAround(const QImage &image, int x, int y, double half) const
    {
        const int reach = int(std::lround(half / kTwipsPerPixel));
        const QRect square(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1);
        return countColour(image, kBluePixel, square);
    }
};

std::vector<QPointF> path(QPointF from, QPointF step, int count)
{
    std::vector<QPointF> points;
    for (int i = 0; i <= count; ++i)
        points.push_back(from + i * step);
    return points;
}

void drag(GarabelWindow &w, const std::vector<QPointF> &points)
{
    w.press(points.front().x(), points.front().y());
    for (const QPointF &p : points)
        w.move(p.x(), p.y(), Qt::LeftButton);
    w.release(points.back().x(), points.back().y());
}
} // namespace

// Drags in ten-pixel steps, across and diagonally, from grid points: snapped or
// not, the pointer passes the same points, and the square must leave nothing of
// its band, pixel by pixel along the way, on the canvas and on the sheet.
TEST(EraserSweep, ADragInTenPixelStepsErasesTheWholeBand)
{
    for (const bool snapping : {true, false}) {
        for (int size = 0; size < 6; ++size) {
            ErasingWindow w(size, snapping);
            const double half = 20 + 25 * size;
            const int before = w.probe().undoRing().position(0);
            drag(w, path({3000, 2400}, {kStep, 0}, 30));       // pixels (200, 160) to (500, 160)
            drag(w, path({3000, 3000}, {kStep, kStep}, 10));   // pixels (200, 200) to (300, 300)
            EXPECT_EQ(w.probe().undoRing().position(0), before + 2) << "one undo step per stroke";
            for (const QImage &image : {w.sheet(), w.canvasStored()}) {
                for (int k = 0; k <= 300; ++k)
                    ASSERT_EQ(w.unerasedAround(image, 200 + k, 160, half), 0) << size << snapping << " across at " << k;
                for (int k = 0; k <= 100; ++k)
                    ASSERT_EQ(w.unerasedAround(image, 200 + k, 200 + k, half), 0) << size << snapping << " diagonal at " << k;
                EXPECT_EQ(pixelAt(image, 520, 160), kBluePixel) << "nothing beyond the last square";
                EXPECT_EQ(pixelAt(image, 200, 180), kBluePixel) << "nothing between the strokes";
            }
        }
    }
}

} // namespace garabel::test
