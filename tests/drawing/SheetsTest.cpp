#include "raster/Surface.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/GridDots.h"
#include "window/Button.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
const QRectF kBox(3000, 1500, 600, 450);
} // namespace

TEST(Sheets, ADrawingOnSheetOneSurvivesATripToSheetThreeAndBack)
{
    GarabelWindow w;
    commitBox(w, kBox, kRed);

    w.click(*w.probe().sheetButtons()[2]);
    EXPECT_EQ(w.probe().currentSheet(), 2);
    EXPECT_EQ(countColour(w.canvas(), kWhitePixel), w.canvas().width() * w.canvas().height())
        << "sheet 3 starts blank";
    EXPECT_EQ(w.probe().sheetButtons()[2]->backColor(), kBlue);
    EXPECT_EQ(w.probe().sheetButtons()[0]->backColor(), kWhite);

    w.click(*w.probe().sheetButtons()[0]);
    EXPECT_EQ(w.canvas(), w.sheet(0));
    EXPECT_EQ(pixelAtTwips(w.canvas(), 3300, 1700), kRedPixel);
    EXPECT_EQ(w.probe().sheetButtons()[0]->backColor(), kBlue);
    EXPECT_EQ(w.probe().sheetButtons()[2]->backColor(), kWhite);
}

TEST(Sheets, ASheetNeverSelectedHoldsNoPixels)
{
    GarabelWindow w;
    commitBox(w, kBox, kRed);
    w.click(*w.probe().sheetButtons()[5]);
    w.click(*w.probe().sheetButtons()[0]);
    for (int i = 1; i < 10; ++i)
        EXPECT_TRUE(w.probe().sheetImage(i).image().isNull()) << "sheet " << i + 1;
}

TEST(Sheets, PressingTheCurrentSheetAgainReloadsTheCanvasKeepingTheDots)
{
    GarabelWindow w;
    commitBox(w, kBox, kRed);
    w.click(*w.probe().gridButtons()[3]);
    w.click(PaletteButton::Help);  // something shown on the canvas only

    w.click(*w.probe().sheetButtons()[0]);
    EXPECT_EQ(w.probe().sheetButtons()[0]->backColor(), kBlue);
    EXPECT_EQ(w.canvas(), sheetWithDots(w, 200, kBlackPixel, 0));
}

TEST(Sheets, TheStartUpPictureIsNotPartOfSheetOne)
{
    GarabelWindow w;
    ASSERT_NE(w.canvas(), w.sheet(0));
    w.click(*w.probe().sheetButtons()[0]);
    EXPECT_EQ(countColour(w.canvas(), kWhitePixel), w.canvas().width() * w.canvas().height());
}

} // namespace garabel::test
