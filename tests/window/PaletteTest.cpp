#include "raster/ShownSurface.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/Label.h"
#include "window/TextBox.h"

#include <gtest/gtest.h>

#include <set>

namespace garabel::test {

namespace {
using Names = std::set<QString>;

Names elements(const char *array, int first, int last)
{
    Names names;
    for (int i = first; i <= last; ++i)
        names.insert(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i));
    return names;
}

Names operator+(Names a, const Names &b)
{
    a.insert(b.begin(), b.end());
    return a;
}

// The option controls that are visible now, by their design names.
Names visibleOptions(const WindowProbe &look)
{
    Names names;
    const std::pair<const char *, const ButtonArray *> arrays[] = {
        {"polygonModeButtons", &look.polygonModeButtons()}, {"circleKindButtons", &look.circleKindButtons()}, {"penWidthButtons", &look.penWidthButtons()},
        {"fillPatternButtons", &look.fillPatternButtons()}, {"fontStyleButtons", &look.fontStyleButtons()}, {"eraserSizeButtons", &look.eraserSizeButtons()},
    };
    for (const auto &[name, array] : arrays) {
        for (int i = 0; i < int(array->size()); ++i) {
            if ((*array)[i]->visible())
                names.insert(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
        }
    }
    const std::pair<const char *, Control *> singles[] = {
        {"sideCountLabel", &look.sideCountLabel()}, {"textPreview", &look.textPreview()}, {"sideCountList", &look.sideCountList()},
        {"fontSizeList", &look.fontSizeList()}, {"fontNameList", &look.fontNameList()},
    };
    for (const auto &[name, control] : singles) {
        if (control->visible())
            names.insert(QLatin1String(name));
    }
    return names;
}

const Names kTextOptions = Names{"textPreview", "fontSizeList", "fontNameList"} + elements("fontStyleButtons", 0, 1);

struct ToolCase {
    int button;
    Names options;
};

void PrintTo(const ToolCase &c, std::ostream *os)
{
    *os << "palette button " << c.button;
}

class PaletteToolButton : public ::testing::TestWithParam<ToolCase> {};
} // namespace

TEST_P(PaletteToolButton, ShowsExactlyItsOptionControlsWhateverWasShownBefore)
{
    const ToolCase c = GetParam();
    GarabelWindow w;
    ASSERT_TRUE(visibleOptions(w.probe()).empty()) << "nothing is shown at start";
    for (int before : {16, 12, 8}) {
        w.click(*w.probe().paletteButtons()[before]);
        w.click(*w.probe().paletteButtons()[c.button]);
        EXPECT_EQ(visibleOptions(w.probe()), c.options) << "after button " << before;
        // The pen-width step hides and shows like a tool button but keeps the tool.
        EXPECT_EQ(int(w.state().tool), c.button == 7 ? before : c.button);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PaletteToolButton,
    ::testing::Values(ToolCase{2, elements("penWidthButtons", 0, 13)}, ToolCase{3, elements("fillPatternButtons", 0, 1)},
                      ToolCase{4, elements("penWidthButtons", 0, 13)},
                      ToolCase{8, elements("fillPatternButtons", 0, 7) + elements("circleKindButtons", 0, 5)},
                      ToolCase{10, elements("fillPatternButtons", 0, 7)},
                      ToolCase{12, elements("polygonModeButtons", 0, 2) + Names{"sideCountLabel", "sideCountList"}},
                      ToolCase{16, kTextOptions}, ToolCase{18, elements("eraserSizeButtons", 0, 5)},
                      ToolCase{7, elements("penWidthButtons", 0, 13)}),
    [](const auto &info) { return "Button" + std::to_string(info.param.button); });

TEST(Palette, TextEmptiesTheTypedTextAndFillAfterItKeepsTheTextOptions)
{
    GarabelWindow w;
    w.probe().textInput().setText(QStringLiteral("Hola"));
    w.click(PaletteButton::Text);
    EXPECT_EQ(w.probe().textInput().text(), QString());
    EXPECT_EQ(w.probe().textPreview().caption(), QString());
    w.click(PaletteButton::Fill);
    EXPECT_EQ(w.state().tool, PaletteButton::Fill);
    EXPECT_EQ(visibleOptions(w.probe()), kTextOptions);
}

TEST(Palette, CommandButtonsKeepTheToolAndTheOptionControls)
{
    GarabelWindow w;
    w.click(PaletteButton::Polygon);
    const Names shown = visibleOptions(w.probe());
    // Every dialog and question is cancelled or answered No by the fake desktop.
    for (int button : {0, 1, 5, 6, 9, 13, 14, 15, 17, 19, 11}) {
        w.click(*w.probe().paletteButtons()[button]);
        EXPECT_EQ(visibleOptions(w.probe()), shown) << "button " << button;
        EXPECT_EQ(int(w.state().tool), button == 11 ? 11 : 12) << "button " << button;
    }
    EXPECT_EQ(w.platform.quitCalls, 0);
}

TEST(Palette, PenWidthStepCyclesOneToFourThenCountsOnFromAChosenWidth)
{
    GarabelWindow w;
    for (int expected : {2, 3, 4, 1, 2}) {
        w.click(PaletteButton::PenWidthStep);
        EXPECT_EQ(w.state().pen.width, expected);
    }
    w.click(*w.probe().penWidthButtons()[8]);
    for (int expected : {10, 11}) {
        w.click(PaletteButton::PenWidthStep);
        EXPECT_EQ(w.state().pen.width, expected);
    }
}

TEST(Palette, SnappingOnAfterOffRestoresTheSelectedGridStep)
{
    GarabelWindow w;
    w.click(PaletteButton::MoveFreely);
    EXPECT_EQ(w.state().grid.step, 1);
    w.click(PaletteButton::SnapToGrid);
    EXPECT_EQ(w.state().grid.step, 300) << "the start-up grid";

    w.click(*w.probe().gridButtons()[2]);
    const auto centre = std::pair(w.state().grid.centreX, w.state().grid.centreY);
    w.click(PaletteButton::MoveFreely);
    w.click(PaletteButton::SnapToGrid);
    EXPECT_EQ(w.state().grid.step, 150);
    EXPECT_EQ(std::pair(w.state().grid.centreX, w.state().grid.centreY), centre);
    EXPECT_EQ(w.state().tool, PaletteButton::Line);
}

} // namespace garabel::test
