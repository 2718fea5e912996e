#include "app/Button.h"
#include "app/ComboBox.h"
#include "app/Label.h"
#include "app/PictureButton.h"
#include "platform/Surface.h"
#include "platform/SurfaceView.h"
#include "support/GarabelWindow.h"

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
    Form1 &f = w.form();
    EXPECT_EQ(f.Picture3->top(), 120);
    EXPECT_EQ(f.Picture1->left(), 1170);
    EXPECT_EQ(f.Picture1->top(), 455);
    EXPECT_EQ(f.Picture1->width(), c.canvasWidth);
    EXPECT_EQ(f.Picture1->height(), c.canvasHeight);
    EXPECT_EQ(f.Command4[0]->top(), c.sheetRowTop);
    EXPECT_EQ(f.Command4[0]->left(), 1170);
    EXPECT_EQ(f.Command4[9]->top() + f.Command4[9]->height(), c.screen.height() - 60);
    for (const auto &sheet : f.Picture2) {
        EXPECT_EQ(sheet->left(), f.Picture1->left());
        EXPECT_EQ(sheet->top(), f.Picture1->top());
        EXPECT_EQ(sheet->width(), f.Picture1->width());
        EXPECT_EQ(sheet->height(), f.Picture1->height());
        EXPECT_EQ(sheet->innerPixelSize(), f.Picture1->innerPixelSize());
    }
    // Every option control sits on the sheet-button row.
    for (auto *array : {&f.Command5, &f.Command6, &f.Command7, &f.Command8, &f.Command9, &f.Command10})
        for (const auto &button : *array)
            EXPECT_EQ(button->top(), c.sheetRowTop);
    EXPECT_EQ(f.Combo2->top(), c.sheetRowTop);
    EXPECT_EQ(f.Label1->top(), c.sheetRowTop);
}

INSTANTIATE_TEST_SUITE_P(Screens, LayoutForScreen,
                         ::testing::Values(LayoutCase{{15360, 11520}, 14115, 10610, 11085},
                                           LayoutCase{{28800, 16200}, 27555, 15290, 15765},
                                           LayoutCase{{12000, 9000}, 10755, 8090, 8565}));

TEST(Layout, OptionGroupsOnA1024By768ScreenStartRightOfTheTenthSheetButton)
{
    GarabelWindow w(QSize(15360, 11520), false);
    Form1 &f = w.form();
    EXPECT_EQ(f.Command4[9]->left(), 4545);
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(f.Command4[i]->left(), f.Command4[i - 1]->left() + 375);
        EXPECT_EQ(f.Command4[i]->caption(), QString::number(i + 1));
        EXPECT_TRUE(f.Command4[i]->visible());
        EXPECT_EQ(f.Command4[i]->button()->accessibleName(), QStringLiteral("Hoja %1").arg(i + 1));
    }
    for (auto *array : {&f.Command5, &f.Command6, &f.Command7, &f.Command10})
        EXPECT_EQ((*array)[0]->left(), 5545);
    EXPECT_EQ(f.Command6[5]->left(), 5545 + 5 * 375);
    EXPECT_EQ(f.Command8[0]->left(), 7820);
    EXPECT_EQ(f.Command8[7]->left(), 7820 + 7 * 375);
    EXPECT_EQ(f.Combo2->left(), 5545);
    EXPECT_EQ(f.Combo3->left(), 6430);
    EXPECT_EQ(f.Command9[0]->left(), 8465);
    EXPECT_EQ(f.Command9[1]->left(), 8865);
    EXPECT_EQ(f.Label1->left(), 5545 + 3 * 375 + 100);
    EXPECT_EQ(f.Combo1->left(), f.Label1->left() + 735 + 50);
}

TEST(Layout, WidgetsLandOnTheScreenPixelsOfTheirTwips)
{
    GarabelWindow w(QSize(15360, 11520), true);
    Form1 &f = w.form();
    EXPECT_EQ(f.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(f.canvasView()->geometry(), QRect(78, 30, 941, 707));
    EXPECT_EQ(f.Picture1->innerPixelSize(), QSize(939, 705));
    EXPECT_EQ(f.Command4[0]->widget()->geometry(), QRect(78, 739, 25, 25));
    EXPECT_EQ(f.Command1[1]->widget()->geometry(), QRect(40, 8, 33, 33));
    EXPECT_TRUE(f.Command4[9]->widget()->isVisible());
}

TEST(Layout, TheWindowCoversTheAvailableAreaAndIsLaidOutForIt)
{
    // A desktop panel takes the top 28 and the left 40 pixels of a 1024 x 768 screen.
    FakePlatform platform;
    platform.screenInfo.availableTwips = QRect(40 * 15, 28 * 15, 984 * 15, 740 * 15);
    Form1 form(platform);
    form.Form_Load();
    form.showOnScreen();

    EXPECT_EQ(form.geometry(), QRect(40, 28, 984, 740));
    EXPECT_EQ(form.Picture1->width(), 984 * 15 - 1170 - 75);
    EXPECT_EQ(form.Command4[9]->top() + form.Command4[9]->height(), 740 * 15 - 60);
}

} // namespace garabel::test
