#include "raster/Surface.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/GridDots.h"
#include "window/Button.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
// A screen on which the laid-out canvas is 6855 x 4695 twips (455 x 311 inner pixels).
const QSize kSmallScreen(6855 + 1245, 4695 + 910);
} // namespace

TEST(DotGrid, Step50SetsADotAtEveryGridPointThatFallsInsideTheFrame)
{
    GarabelWindow w(kSmallScreen);
    w.click(*w.probe().gridButtons()[0]);
    EXPECT_EQ(w.state().grid.step, 50);
    EXPECT_EQ(w.state().grid.selectedButton, 0);
    const QImage canvas = w.canvas();
    // x = 0, 50, ..., 6850 and y = 0, 50, ..., 4650: 138 x 94 points; the column at
    // x = 6850 lies under the canvas frame, so 137 x 94 of them can be seen.
    EXPECT_EQ(countColour(canvas, kBlackPixel), 137 * 94);
    EXPECT_EQ(pixelAtTwips(canvas, 0, 0), kBlackPixel);
    EXPECT_EQ(pixelAtTwips(canvas, 6800, 4650), kBlackPixel);
    EXPECT_EQ(pixelAtTwips(canvas, 6800 - 15, 4650), kWhitePixel);
    EXPECT_EQ(canvas, w.canvasStored()) << "the dots are in the canvas's stored image";
    EXPECT_TRUE(w.probe().sheetImage(0).image().isNull()) << "and never in the sheet";
}

TEST(DotGrid, RecentresTheCanvasOnTheNewGrid)
{
    GarabelWindow w(kSmallScreen);
    w.click(*w.probe().gridButtons()[2]);
    EXPECT_EQ(w.state().grid.step, 150);
    EXPECT_EQ(w.state().grid.centreX, 3300);  // 3428 integer-divided by 150 is 22
    EXPECT_EQ(w.state().grid.centreY, 2250);  // 2348 integer-divided by 150 is 15
}

TEST(DotGrid, MarksThePressedButtonGreenAndThePreviousOneWhite)
{
    GarabelWindow w;
    const Rgb designFace = w.probe().gridButtons()[0]->backColor();
    w.click(*w.probe().gridButtons()[3]);
    EXPECT_EQ(w.probe().gridButtons()[3]->backColor(), kGreen);
    w.click(*w.probe().gridButtons()[6]);
    EXPECT_EQ(w.probe().gridButtons()[6]->backColor(), kGreen);
    EXPECT_EQ(w.probe().gridButtons()[3]->backColor(), kWhite);
    EXPECT_EQ(w.probe().gridButtons()[0]->backColor(), designFace);
    w.click(*w.probe().gridButtons()[6]);
    EXPECT_EQ(w.probe().gridButtons()[6]->backColor(), kGreen);
    EXPECT_EQ(w.state().grid.step, 350);
}

TEST(DotGrid, DrawsTheDotsInTheCanvasForeColourOverTheCurrentSheet)
{
    GarabelWindow w(kSmallScreen);
    commitBox(w, QRectF(1500, 1500, 900, 900), rgb(0, 0, 255));
    w.pickColour(QPoint(40, 8));  // red
    w->onPenWidthButton(3);
    w.click(*w.probe().gridButtons()[7]);
    const QImage canvas = w.canvas();
    EXPECT_EQ(pixelAtTwips(canvas, 400, 400), kRedPixel);
    EXPECT_EQ(pixelAtTwips(canvas, 400 + 15, 400), kWhitePixel) << "one pixel wide";
    EXPECT_EQ(pixelAtTwips(canvas, 1950, 1950), kBluePixel) << "the sheet's drawing is under the dots";
}

// The dots stay on the canvas when it shows the sheet again, over the figure.
TEST(DotGrid, AFigureDrawnAfterTheDotsReachesTheSheetWithoutThem)
{
    GarabelWindow w(kSmallScreen);
    w.click(*w.probe().gridButtons()[5]);
    commitBox(w, QRectF(1500, 1500, 900, 900), rgb(0, 0, 255));
    EXPECT_EQ(pixelAtTwips(w.sheet(), 1950, 1950), kBluePixel);
    EXPECT_EQ(countColour(w.sheet(), kBlackPixel), 0);
    w.click(*w.probe().sheetButtons()[1]);
    w.click(*w.probe().sheetButtons()[0]);
    EXPECT_EQ(countColour(w.sheet(), kBlackPixel), 0);
    EXPECT_EQ(w.canvas(), sheetWithDots(w, 300, kBlackPixel));
    EXPECT_EQ(pixelAtTwips(w.canvas(), 1950, 1950), kBluePixel);
}

} // namespace garabel::test
