#include "desktop/SurfaceView.h"
#include "raster/ShownSurface.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/Label.h"
#include "window/PictureButton.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
struct LayoutCase {
    QSize screen;          // twips
    double canvasWidth, canvasHeight, sheetRowTop;
};
} // namespace

class LayoutForScreen : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutForScreen, CanvasFillsTheScreenRightOfThePaletteAndTheSheetRowEndsAboveTheBottom)
{
    const LayoutCase c = GetParam();
    GarabelWindow w(c.screen, false);
    const WindowProbe look = w.probe();
    EXPECT_EQ(look.colourStrip().top(), 120);
    EXPECT_EQ(look.canvas().left(), 1170);
    EXPECT_EQ(look.canvas().top(), 455);
    EXPECT_EQ(look.canvas().width(), c.canvasWidth);
    EXPECT_EQ(look.canvas().height(), c.canvasHeight);
    EXPECT_EQ(look.sheetButtons()[0]->top(), c.sheetRowTop);
    EXPECT_EQ(look.sheetButtons()[0]->left(), 1170);
    EXPECT_EQ(look.sheetButtons()[9]->top() + look.sheetButtons()[9]->height(), c.screen.height() - 60);
    for (int i = 0; i < kSheetCount; ++i) {
        const Surface &sheet = look.sheetImage(i);
        EXPECT_EQ(sheet.left(), look.canvas().left());
        EXPECT_EQ(sheet.top(), look.canvas().top());
        EXPECT_EQ(sheet.width(), look.canvas().width());
        EXPECT_EQ(sheet.height(), look.canvas().height());
        EXPECT_EQ(sheet.innerPixelSize(), look.canvas().innerPixelSize());
    }
    // Every option control sits on the sheet-button row.
    for (auto *array : {&look.polygonModeButtons(), &look.circleKindButtons(), &look.penWidthButtons(), &look.fillPatternButtons(), &look.fontStyleButtons(), &look.eraserSizeButtons()})
        for (const auto &button : *array)
            EXPECT_EQ(button->top(), c.sheetRowTop);
    EXPECT_EQ(look.fontSizeList().top(), c.sheetRowTop);
    EXPECT_EQ(look.sideCountLabel().top(), c.sheetRowTop);
}

// Beside the strip where the screen leaves room for it, else in the gap after
// the sheet buttons; over no other control, shown or hidden, and on the window.
TEST_P(LayoutForScreen, TheColourSwatchCoversNoOtherControl)
{
    const LayoutCase c = GetParam();
    GarabelWindow w(c.screen, true);
    const QWidget *swatch = w.probe().colourSwatch().widget();
    EXPECT_TRUE(swatch->isVisible());
    EXPECT_TRUE(w->rect().contains(swatch->geometry()));
    EXPECT_EQ(w.probe().colourSwatch().top() == w.probe().colourStrip().top(), c.screen.width() > 12000);
    for (const QWidget *other : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != swatch) {
            EXPECT_FALSE(other->geometry().intersects(swatch->geometry())) << other->metaObject()->className();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, LayoutForScreen,
                         ::testing::Values(LayoutCase{{15360, 11520}, 14115, 10610, 11085},
                                           LayoutCase{{28800, 16200}, 27555, 15290, 15765},
                                           LayoutCase{{12000, 9000}, 10755, 8090, 8565}));

TEST(Layout, OptionGroupsOnA1024By768ScreenStartRightOfTheTenthSheetButton)
{
    GarabelWindow w(QSize(15360, 11520), false);
    const WindowProbe look = w.probe();
    EXPECT_EQ(look.sheetButtons()[9]->left(), 4545);
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(look.sheetButtons()[i]->left(), look.sheetButtons()[i - 1]->left() + 375);
        EXPECT_EQ(look.sheetButtons()[i]->caption(), QString::number(i + 1));
        EXPECT_TRUE(look.sheetButtons()[i]->visible());
        EXPECT_EQ(look.sheetButtons()[i]->button()->accessibleName(), QStringLiteral("Hoja %1").arg(i + 1));
    }
    for (auto *array : {&look.polygonModeButtons(), &look.circleKindButtons(), &look.penWidthButtons(), &look.eraserSizeButtons()})
        EXPECT_EQ((*array)[0]->left(), 5545);
    EXPECT_EQ(look.circleKindButtons()[5]->left(), 5545 + 5 * 375);
    EXPECT_EQ(look.fillPatternButtons()[0]->left(), 7820);
    EXPECT_EQ(look.fillPatternButtons()[7]->left(), 7820 + 7 * 375);
    EXPECT_EQ(look.fontSizeList().left(), 5545);
    EXPECT_EQ(look.fontNameList().left(), 6430);
    EXPECT_EQ(look.fontStyleButtons()[0]->left(), 8465);
    EXPECT_EQ(look.fontStyleButtons()[1]->left(), 8865);
    EXPECT_EQ(look.sideCountLabel().left(), 5545 + 3 * 375 + 100);
    EXPECT_EQ(look.sideCountList().left(), look.sideCountLabel().left() + 735 + 50);
}

TEST(Layout, WidgetsLandOnTheScreenPixelsOfTheirTwips)
{
    GarabelWindow w(QSize(15360, 11520), true);
    const WindowProbe look = w.probe();
    EXPECT_EQ(w->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(look.canvasView()->geometry(), QRect(78, 30, 941, 707));
    EXPECT_EQ(look.canvas().innerPixelSize(), QSize(939, 705));
    EXPECT_EQ(look.sheetButtons()[0]->widget()->geometry(), QRect(78, 739, 25, 25));
    EXPECT_EQ(look.paletteButtons()[PaletteButton::Save]->widget()->geometry(), QRect(40, 8, 33, 33));
    EXPECT_TRUE(look.sheetButtons()[9]->widget()->isVisible());
}

TEST(Layout, TheWindowCoversTheAvailableAreaAndIsLaidOutForIt)
{
    // A desktop panel takes the top 28 and the left 40 pixels of a 1024 x 768 screen.
    FakePlatform platform;
    platform.screenInfo.availableTwips = QRect(40 * 15, 28 * 15, 984 * 15, 740 * 15);
    MainWindow window(platform);
    window.showOnScreen();

    const WindowProbe look(window);
    EXPECT_EQ(window.geometry(), QRect(40, 28, 984, 740));
    EXPECT_EQ(look.canvas().width(), 984 * 15 - 1170 - 75);
    EXPECT_EQ(look.sheetButtons()[9]->top() + look.sheetButtons()[9]->height(), 740 * 15 - 60);
}

} // namespace garabel::test
