#include "app/Button.h"
#include "app/ComboBox.h"
#include "app/Label.h"
#include "platform/Surface.h"
#include "support/GarabelWindow.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

namespace garabel::test {

namespace {
// Expects the property to read `expected` on the canvas and on all ten sheets.
template <typename T>
void expectOnEverySurface(GarabelWindow &w, const std::function<T(const Surface &)> &property, T expected)
{
    EXPECT_EQ(property(*w->Picture1), expected) << "canvas";
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(property(*w->Picture2[i]), expected) << "sheet " << i;
}

std::vector<Rgb> faces(const ButtonArray &buttons)
{
    std::vector<Rgb> colours;
    for (const auto &button : buttons)
        colours.push_back(button->backColor());
    return colours;
}

bool flips(GarabelWindow &w, bool x, bool y, bool xy)
{
    return w.state().FlipX == x && w.state().FlipY == y && w.state().FlipXY == xy;
}
} // namespace

TEST(Reflections, EachButtonTogglesItsOwnAndTheFirstSwitchesAllOff)
{
    GarabelWindow w;
    const Rgb designFace = w->Command3[1]->backColor();
    w.click(*w->Command3[1]);
    w.click(*w->Command3[1]);
    EXPECT_TRUE(flips(w, false, false, false));
    EXPECT_EQ(w->Command3[1]->backColor(), kWhite);

    w.click(*w->Command3[1]);
    w.click(*w->Command3[2]);
    w.click(*w->Command3[3]);
    EXPECT_TRUE(flips(w, true, true, true));
    EXPECT_EQ(faces(w->Command3), (std::vector<Rgb>{designFace, kGreen, kGreen, kGreen}));

    w.click(*w->Command3[0]);
    EXPECT_TRUE(flips(w, false, false, false));
    EXPECT_EQ(faces(w->Command3), (std::vector<Rgb>{kGreen, kWhite, kWhite, kWhite}));
    w.click(*w->Command3[2]);
    EXPECT_TRUE(flips(w, false, true, false));
    EXPECT_EQ(w->Command3[0]->backColor(), kGreen) << "keeps its colour";
}

TEST(Toggles, TheFaceColourIsWhatTheSwitchReads)
{
    GarabelWindow w;
    w->Command3[2]->setBackColor(kGreen);
    w.click(*w->Command3[2]);
    EXPECT_FALSE(w.state().FlipY) << "a green face reads as on, so the press switches it off";
    EXPECT_EQ(w->Command3[2]->backColor(), kWhite);

    w->Command9[1]->setBackColor(kGreen);
    w.click(*w->Command1[16]);
    w.click(*w->Command9[1]);
    EXPECT_FALSE(w->Picture1->fontItalic()) << "only a white face reads as off";
    EXPECT_EQ(w->Command9[1]->backColor(), kWhite);
}

TEST(ShapeOptions, PolygonModeCircleKindAndEraserSizeFollowTheButtonPressed)
{
    GarabelWindow w;
    EXPECT_EQ(w.state().EraserSize, 0) << "no eraser extent before a size is chosen";
    w.click(*w->Command1[12]);
    w.click(*w->Command5[2]);
    EXPECT_EQ(w.state().PolyMode, 2);
    w.click(*w->Command5[1]);
    EXPECT_EQ(w.state().PolyMode, 1);

    w.click(*w->Command1[8]);
    w.click(*w->Command6[4]);
    EXPECT_EQ(w.state().CircleMode, 4);

    w.click(*w->Command1[18]);
    for (int i = 0; i < 6; ++i) {
        w.click(*w->Command10[i]);
        EXPECT_EQ(w.state().EraserSize, 20 + 25 * i);
    }
    const auto unmarked = faces(w->Command5);
    EXPECT_EQ(unmarked, std::vector<Rgb>(3, kWhite));
    EXPECT_EQ(faces(w->Command10), std::vector<Rgb>(6, kWhite));
}

TEST(PenWidth, AWidthButtonSetsItEverywhereAndIsTheOnlyOneGreen)
{
    GarabelWindow w;
    w.click(*w->Command1[2]);
    w.click(*w->Command7[13]);
    EXPECT_EQ(w.state().PenWidth, 14);
    expectOnEverySurface<int>(w, &Surface::drawWidth, 14);
    std::vector<Rgb> expected(14, kWhite);
    expected[13] = kGreen;
    EXPECT_EQ(faces(w->Command7), expected);

    w.click(*w->Command7[2]);
    EXPECT_EQ(w.state().PenWidth, 3);
    expectOnEverySurface<int>(w, &Surface::drawWidth, 3);
    expected[13] = kWhite;
    expected[2] = kGreen;
    EXPECT_EQ(faces(w->Command7), expected);
}

TEST(FillPattern, APatternButtonSetsItOnTheCanvasAndEverySheet)
{
    GarabelWindow w;
    w.click(*w->Command1[10]);
    for (int pattern : {1, 6, 0}) {
        w.click(*w->Command8[pattern]);
        EXPECT_EQ(w.state().FillIndex, pattern);
        expectOnEverySurface<int>(w, &Surface::fillStyle, pattern);
    }
    EXPECT_EQ(faces(w->Command8), std::vector<Rgb>(8, kWhite));
}

TEST(TextStyle, BoldAndItalicSwitchIndependentlyEverywhere)
{
    GarabelWindow w;
    w.click(*w->Command1[16]);
    w.click(*w->Command9[0]);
    expectOnEverySurface<bool>(w, &Surface::fontBold, true);
    expectOnEverySurface<bool>(w, &Surface::fontItalic, false);
    EXPECT_TRUE(w->Label2->font().bold());
    EXPECT_FALSE(w->Label2->font().italic());
    EXPECT_EQ(faces(w->Command9), (std::vector<Rgb>{kBlue, kWhite}));

    w.click(*w->Command9[1]);
    expectOnEverySurface<bool>(w, &Surface::fontItalic, true);
    EXPECT_TRUE(w->Label2->font().italic());
    EXPECT_EQ(faces(w->Command9), (std::vector<Rgb>{kBlue, kBlue}));

    w.click(*w->Command9[0]);
    expectOnEverySurface<bool>(w, &Surface::fontBold, false);
    expectOnEverySurface<bool>(w, &Surface::fontItalic, true);
    EXPECT_FALSE(w->Label2->font().bold());
    EXPECT_TRUE(w->Label2->font().italic());
    EXPECT_EQ(faces(w->Command9), (std::vector<Rgb>{kWhite, kBlue}));
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
    w.click(*w->Command1[16]);
    w->Combo2->addItem(QString::fromLatin1(c.entry));
    w->Combo2->choose(w->Combo2->count() - 1);
    expectOnEverySurface<double>(w, &Surface::fontSize, c.applied);
    EXPECT_EQ(w->Label2->font().pixelSize(), qRound(pointsToPixels(c.applied)));
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

TEST(FontName, TheChosenNameGoesToEverySurfaceAndTheLabel)
{
    GarabelWindow w;
    w.click(*w->Command1[16]);
    int courier = -1;
    for (int i = 0; i < w->Combo3->count(); ++i) {
        if (w->Combo3->item(i) == QStringLiteral("Courier New"))
            courier = i;
    }
    ASSERT_GE(courier, 0);
    w->Combo3->choose(courier);
    expectOnEverySurface<QString>(w, &Surface::fontName, QStringLiteral("Courier New"));
    EXPECT_EQ(w->Label2->font().family(), QStringLiteral("Courier New"));
}

} // namespace garabel::test
