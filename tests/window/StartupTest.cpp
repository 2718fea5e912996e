#include "desktop/SurfaceView.h"
#include "drawing/GridMath.h"
#include "raster/ShownSurface.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"
#include "window/ButtonPictures.h"
#include "window/ComboBox.h"
#include "window/ImageBox.h"
#include "window/Label.h"
#include "window/TextBox.h"

#include <gtest/gtest.h>

#include <cmath>

namespace garabel::test {

namespace {
// A screen on which the laid-out canvas is `width` x `height` twips.
QSize screenForCanvas(int width, int height)
{
    return QSize(width + 1170 + 75, height + 455 + 375 + 80);
}
} // namespace

struct CentreCase {
    int canvasWidth, canvasHeight, centreX, centreY;
};

class CanvasCentre : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CanvasCentre, IsTheHalfSizeRoundedHalfToEvenThenSnappedDownToTheGrid)
{
    const CentreCase c = GetParam();
    GarabelWindow w(screenForCanvas(c.canvasWidth, c.canvasHeight), false);
    ASSERT_EQ(w.probe().canvas().width(), c.canvasWidth);
    EXPECT_EQ(w.state().grid.centreX, c.centreX);
    EXPECT_EQ(w.state().grid.centreY, c.centreY);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CanvasCentre,
                         ::testing::Values(CentreCase{6855, 4695, 3300, 2100},
                                           CentreCase{6001, 4695, 3000, 2100},
                                           CentreCase{6003, 4695, 3000, 2100},
                                           CentreCase{14115, 10610, 6900, 5100}));

TEST(GridSnapping, RoundsHalvesToEvenAndTruncatesTowardsZero)
{
    const struct { double v; int step; int snapped; } cases[] = {
        {449.6, 300, 300}, {450, 300, 300}, {600, 300, 600}, {599.5, 300, 600}, {-100, 300, 0},
        {-400, 300, -300}, {3000.5, 1, 3000}, {3001.5, 1, 3002}, {3428, 150, 3300}, {-0.5, 1, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(snapToGrid(c.v, c.step), c.snapped) << c.v << " step " << c.step;
}

TEST(LeadingNumber, ReadsTheLongestLeadingDecimalNumber)
{
    EXPECT_EQ(leadingNumber("18"), 18);
    EXPECT_EQ(leadingNumber("7.5"), 7.5);
    EXPECT_EQ(leadingNumber("4.5 lados"), 4.5);
    EXPECT_EQ(leadingNumber("12abc"), 12);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("Nº lados"), 0);
}

TEST(Startup, SetsTheDefaultsAndFillsTheThreeLists)
{
    GarabelWindow w;
    const DrawingState &s = w.state();
    EXPECT_EQ(s.tool, PaletteButton::Line);
    EXPECT_EQ(s.grid.step, 300);
    EXPECT_EQ(s.grid.selectedButton, 5);
    EXPECT_EQ(s.pen.dotRadius, 50);
    EXPECT_EQ(w.probe().currentSheet(), 0);
    EXPECT_EQ(s.pen.width, 1);

    ASSERT_EQ(w.probe().sideCountList().count(), 18);
    EXPECT_EQ(w.probe().sideCountList().item(0), "3");
    EXPECT_EQ(w.probe().sideCountList().item(17), "20");
    EXPECT_EQ(w.probe().sideCountList().text(), "5");
    ASSERT_EQ(w.probe().fontSizeList().count(), 19);
    EXPECT_EQ(w.probe().fontSizeList().item(0), "12");
    EXPECT_EQ(w.probe().fontSizeList().item(18), "48");
    EXPECT_EQ(w.probe().fontSizeList().text(), "18");
    // The screen fonts, kept sorted; the text is "Arial" whether or not it is there.
    ASSERT_EQ(w.probe().fontNameList().count(), 3);
    EXPECT_EQ(w.probe().fontNameList().item(0), "Arial");
    EXPECT_EQ(w.probe().fontNameList().item(2), "Times New Roman");
    EXPECT_EQ(w.probe().fontNameList().text(), "Arial");
}

TEST(Startup, ShowsArialEvenWhenTheScreenHasNoSuchFont)
{
    FakePlatform platform;
    platform.screenInfo.fontNames = {"Zeta", "Alpha"};
    MainWindow window(platform);
    const WindowProbe look(window);
    EXPECT_EQ(look.fontNameList().item(0), "Alpha");
    EXPECT_EQ(look.fontNameList().item(1), "Zeta");
    EXPECT_EQ(look.fontNameList().text(), "Arial");
}

TEST(Startup, GivesThePenThe18PointArialFont)
{
    GarabelWindow w;
    EXPECT_EQ(w.state().pen.fontSize, 18);
    EXPECT_EQ(w.state().pen.fontName.toLower(), "arial");
    EXPECT_EQ(w.probe().textPreview().font().pixelSize(), 24);
    EXPECT_EQ(w.probe().fontStyleButtons()[0]->backColor(), kWhite);
    EXPECT_EQ(w.probe().fontStyleButtons()[1]->backColor(), kWhite);
}

TEST(Startup, ShowsOnlyTheDesignTimeControlsAndMarksSheetOne)
{
    GarabelWindow w;
    const WindowProbe look = w.probe();
    for (const ButtonArray *array : {static_cast<const ButtonArray *>(&look.paletteButtons()), &look.gridButtons(), &look.mirrorButtons(), &look.sheetButtons()})
        for (const auto &button : *array)
            EXPECT_TRUE(button->widget()->isVisible());
    for (auto *array : {&look.polygonModeButtons(), &look.circleKindButtons(), &look.penWidthButtons(), &look.fillPatternButtons(), &look.fontStyleButtons(), &look.eraserSizeButtons()})
        for (const auto &button : *array)
            EXPECT_FALSE(button->visible());
    EXPECT_FALSE(look.sideCountLabel().visible());
    EXPECT_FALSE(look.textPreview().visible());
    EXPECT_FALSE(look.sideCountList().visible());
    EXPECT_FALSE(look.fontSizeList().visible());
    EXPECT_FALSE(look.fontNameList().visible());
    EXPECT_TRUE(look.textInput().widget()->isVisible());
    EXPECT_EQ(look.sheetButtons()[0]->backColor(), kBlue);
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(look.sheetButtons()[i]->backColor(), kWhite);
}

TEST(Startup, ShowsTheTitlePictureOnTheCanvasButNotInSheetOne)
{
    GarabelWindow w;
    const QImage canvas = w.canvas();
    const QImage title = startupPicture();
    ASSERT_EQ(title.size(), QSize(713, 535));
    EXPECT_EQ(canvas.copy(0, 0, 713, 535), title) << "the whole picture, at its own size, from the corner";
    EXPECT_EQ(countColour(canvas, kWhitePixel, QRect(713, 0, 100, 535)), 100 * 535);
    EXPECT_TRUE(w.probe().sheetImage(0).image().isNull()) << "sheet 1 starts blank and holds no pixels";
}

TEST(Startup, InstallsTheCursorPictureOnTheCanvas)
{
    GarabelWindow w;
    const QCursor cursor = w.probe().canvasView()->cursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.pixmap().size(), QSize(16, 16));
}

} // namespace garabel::test
