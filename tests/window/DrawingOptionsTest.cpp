#include "raster/ShownSurface.h"
#include "support/GarabelWindow.h"
#include "support/SurfaceProbe.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/Label.h"

#include <gtest/gtest.h>

#include <cctype>

namespace garabel::test {

namespace {
std::vector<Rgb> faces(const ButtonArray &buttons)
{
    std::vector<Rgb> colours;
    for (const auto &button : buttons)
        colours.push_back(button->backColor());
    return colours;
}

bool flips(GarabelWindow &w, bool x, bool y, bool xy)
{
    return w.state().mirrors.leftRight == x && w.state().mirrors.topBottom == y && w.state().mirrors.throughCentre == xy;
}
} // namespace

TEST(Reflections, EachButtonTogglesItsOwnAndTheFirstSwitchesAllOff)
{
    GarabelWindow w;
    w.click(*w.probe().mirrorButtons()[1]);
    w.click(*w.probe().mirrorButtons()[1]);
    EXPECT_TRUE(flips(w, false, false, false));
    EXPECT_EQ(w.probe().mirrorButtons()[1]->backColor(), kWhite);

    w.click(*w.probe().mirrorButtons()[1]);
    w.click(*w.probe().mirrorButtons()[2]);
    w.click(*w.probe().mirrorButtons()[3]);
    EXPECT_TRUE(flips(w, true, true, true));
    EXPECT_EQ(faces(w.probe().mirrorButtons()), (std::vector<Rgb>{kWhite, kGreen, kGreen, kGreen}));

    w.click(*w.probe().mirrorButtons()[0]);
    EXPECT_TRUE(flips(w, false, false, false));
    EXPECT_EQ(faces(w.probe().mirrorButtons()), (std::vector<Rgb>{kGreen, kWhite, kWhite, kWhite}));
    w.click(*w.probe().mirrorButtons()[2]);
    EXPECT_TRUE(flips(w, false, true, false));
    EXPECT_EQ(w.probe().mirrorButtons()[0]->backColor(), kWhite) << "green only while no mirror is on";
}

TEST(Toggles, TheFaceColourIsWhatTheSwitchReads)
{
    GarabelWindow w;
    w.probe().mirrorButtons()[2]->setBackColor(kGreen);
    w.click(*w.probe().mirrorButtons()[2]);
    EXPECT_FALSE(w.state().mirrors.topBottom) << "a green face reads as on, so the press switches it off";
    EXPECT_EQ(w.probe().mirrorButtons()[2]->backColor(), kWhite);

    w.probe().fontStyleButtons()[1]->setBackColor(kGreen);
    w.click(PaletteButton::Text);
    w.click(*w.probe().fontStyleButtons()[1]);
    EXPECT_FALSE(w.state().pen.italic) << "only a white face reads as off";
    EXPECT_EQ(w.probe().fontStyleButtons()[1]->backColor(), kWhite);
}

TEST(ShapeOptions, PolygonModeCircleKindAndEraserSizeFollowTheButtonPressed)
{
    GarabelWindow w;
    EXPECT_EQ(w.state().pen.eraserSize, 0) << "no eraser extent before a size is chosen";
    w.click(PaletteButton::Polygon);
    w.click(*w.probe().polygonModeButtons()[2]);
    EXPECT_EQ(w.state().polygon.mode, 2);
    w.click(*w.probe().polygonModeButtons()[1]);
    EXPECT_EQ(w.state().polygon.mode, 1);

    w.click(PaletteButton::Circle);
    w.click(*w.probe().circleKindButtons()[4]);
    EXPECT_EQ(w.state().circle.kind, 4);

    w.click(PaletteButton::Eraser);
    for (int i = 0; i < 6; ++i) {
        w.click(*w.probe().eraserSizeButtons()[i]);
        EXPECT_EQ(w.state().pen.eraserSize, 20 + 25 * i);
    }
    EXPECT_EQ(faces(w.probe().polygonModeButtons()), (std::vector<Rgb>{kWhite, kGreen, kWhite}));
    EXPECT_EQ(faces(w.probe().eraserSizeButtons()), (std::vector<Rgb>{kWhite, kWhite, kWhite, kWhite, kWhite, kGreen}));
}

TEST(PenWidth, AWidthButtonSetsItEverywhereAndIsTheOnlyOneGreen)
{
    GarabelWindow w;
    w.click(PaletteButton::Line);
    w.click(*w.probe().penWidthButtons()[13]);
    EXPECT_EQ(w.state().pen.width, 14);
    std::vector<Rgb> expected(14, kWhite);
    expected[13] = kGreen;
    EXPECT_EQ(faces(w.probe().penWidthButtons()), expected);

    w.click(*w.probe().penWidthButtons()[2]);
    EXPECT_EQ(w.state().pen.width, 3);
    expected[13] = kWhite;
    expected[2] = kGreen;
    EXPECT_EQ(faces(w.probe().penWidthButtons()), expected);
}

TEST(FillPattern, APatternButtonSetsItOnThePen)
{
    GarabelWindow w;
    w.click(PaletteButton::Rectangle);
    for (int pattern : {1, 6, 0}) {
        w.click(*w.probe().fillPatternButtons()[pattern]);
        EXPECT_EQ(w.state().pen.fillPattern, pattern);
    }
    std::vector<Rgb> marked(8, kWhite);
    marked[0] = kGreen;
    EXPECT_EQ(faces(w.probe().fillPatternButtons()), marked);
}

TEST(TextStyle, BoldAndItalicSwitchIndependentlyEverywhere)
{
    GarabelWindow w;
    w.click(PaletteButton::Text);
    w.click(*w.probe().fontStyleButtons()[0]);
    EXPECT_TRUE(w.state().pen.bold);
    EXPECT_FALSE(w.state().pen.italic);
    EXPECT_TRUE(w.probe().textPreview().font().bold());
    EXPECT_FALSE(w.probe().textPreview().font().italic());
    EXPECT_EQ(faces(w.probe().fontStyleButtons()), (std::vector<Rgb>{kBlue, kWhite}));

    w.click(*w.probe().fontStyleButtons()[1]);
    EXPECT_TRUE(w.state().pen.italic);
    EXPECT_TRUE(w.probe().textPreview().font().italic());
    EXPECT_EQ(faces(w.probe().fontStyleButtons()), (std::vector<Rgb>{kBlue, kBlue}));

    w.click(*w.probe().fontStyleButtons()[0]);
    EXPECT_FALSE(w.state().pen.bold);
    EXPECT_TRUE(w.state().pen.italic);
    EXPECT_FALSE(w.probe().textPreview().font().bold());
    EXPECT_TRUE(w.probe().textPreview().font().italic());
    EXPECT_EQ(faces(w.probe().fontStyleButtons()), (std::vector<Rgb>{kWhite, kBlue}));
}

struct SizeCase {
    const char *entry;
    double applied;  // the size afterwards: the entry's, or the 18 of start-up
};

void PrintTo(const SizeCase &c, std::ostream *os)
{
    *os << '"' << c.entry << '"';
}

class FontSizeEntry : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FontSizeEntry, IsAppliedOnlyStrictlyBetweenSevenAndSeventyThree)
{
    const SizeCase c = GetParam();
    GarabelWindow w;
    w.click(PaletteButton::Text);
    w.probe().fontSizeList().addItem(QString::fromLatin1(c.entry));
    w.probe().fontSizeList().choose(w.probe().fontSizeList().count() - 1);
    EXPECT_EQ(w.state().pen.fontSize, c.applied);
    EXPECT_EQ(w.probe().textPreview().font().pixelSize(), qRound(pointsToPixels(c.applied)));
}

INSTANTIATE_TEST_SUITE_P(Entries, FontSizeEntry,
                         ::testing::Values(SizeCase{"7", 18}, SizeCase{"8", 8}, SizeCase{"72", 72},
                                           SizeCase{"73", 18}, SizeCase{"7.5", 7.5}, SizeCase{"24 pt", 24},
                                           SizeCase{"grande", 18}),
                         [](const auto &info) {
                             std::string name = std::string("Size_") + info.param.entry;
                             for (char &c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(FontName, TheChosenNameGoesToThePenAndTheLabel)
{
    GarabelWindow w;
    w.click(PaletteButton::Text);
    int courier = -1;
    for (int i = 0; i < w.probe().fontNameList().count(); ++i) {
        if (w.probe().fontNameList().item(i) == QStringLiteral("Courier New"))
            courier = i;
    }
    ASSERT_GE(courier, 0);
    w.probe().fontNameList().choose(courier);
    EXPECT_EQ(w.state().pen.fontName, QStringLiteral("Courier New"));
    EXPECT_EQ(w.probe().textPreview().font().family(), QStringLiteral("Courier New"));
}

// One pen, handed to every drawing: the fill (solid whatever the pattern), the
// eraser (one-pixel boxes), the crosshair (two pixels wide) and a sheet switch
// leave it as the options set it, and a rectangle on a sheet never drawn on
// comes out exactly as that pen draws it on any surface.
TEST(Pen, AFigureAfterAFillTheEraserTheCrosshairAndASheetSwitchIsDrawnWithThePenAsSet)
{
    BlankWindow w;
    w->onPenWidthButton(4);
    w->onFillPatternButton(FillCross);
    w.chooseTool(PaletteButton::Fill);
    w.drag({{3000, 3000}});
    w.chooseTool(PaletteButton::Eraser);
    w.drag({{1500, 1500}, {2400, 1800}});
    w.click(*w.probe().sheetButtons()[2]);
    w.move(4500, 3000);
    w.chooseTool(PaletteButton::Rectangle);
    w.drag({{1500, 1200}, {3000, 2100}});

    Surface expected;
    expected.setWidth(w.probe().currentSheetImage().width());
    expected.setHeight(w.probe().currentSheetImage().height());
    const Pen pen{.colour = kRed, .width = 5, .fillPattern = FillCross, .fillColour = kRed};
    expected.stored(pen).box(1500, 1200, 3000, 2100, kRed);
    EXPECT_EQ(w.sheet(), expected.image());
    EXPECT_EQ(w.canvasStored(), w.sheet()) << "the canvas draws with the same pen";
    EXPECT_GT(countColour(w.sheet(0), kRedPixel), 0) << "the fill took sheet 1";
    keepPictureOnFailure(w.sheet());
}

} // namespace garabel::test
