#include "app/Button.h"
#include "app/ComboBox.h"
#include "app/Label.h"
#include "app/TextBox.h"
#include "platform/Surface.h"
#include "support/GarabelWindow.h"

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
Names visibleOptions(Form1 &form)
{
    Names names;
    const std::pair<const char *, ButtonArray *> arrays[] = {
        {"Command5", &form.Command5}, {"Command6", &form.Command6}, {"Command7", &form.Command7},
        {"Command8", &form.Command8}, {"Command9", &form.Command9}, {"Command10", &form.Command10},
    };
    for (const auto &[name, array] : arrays) {
        for (int i = 0; i < int(array->size()); ++i) {
            if ((*array)[i]->visible())
                names.insert(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
        }
    }
    const std::pair<const char *, Control *> singles[] = {
        {"Label1", form.Label1.get()}, {"Label2", form.Label2.get()}, {"Combo1", form.Combo1.get()},
        {"Combo2", form.Combo2.get()}, {"Combo3", form.Combo3.get()},
    };
    for (const auto &[name, control] : singles) {
        if (control->visible())
            names.insert(QLatin1String(name));
    }
    return names;
}

const Names kTextOptions = Names{"Label2", "Combo2", "Combo3"} + elements("Command9", 0, 1);

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
    ASSERT_TRUE(visibleOptions(w.form()).empty()) << "nothing is shown at start";
    for (int before : {16, 12, 8}) {
        w.click(*w->Command1[before]);
        w.click(*w->Command1[c.button]);
        EXPECT_EQ(visibleOptions(w.form()), c.options) << "after button " << before;
        // The pen-width step hides and shows like a tool button but keeps the tool.
        EXPECT_EQ(w.state().Tool, c.button == 7 ? before : c.button);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PaletteToolButton,
    ::testing::Values(ToolCase{2, elements("Command7", 0, 13)}, ToolCase{3, elements("Command8", 0, 1)},
                      ToolCase{4, elements("Command7", 0, 13)},
                      ToolCase{8, elements("Command8", 0, 7) + elements("Command6", 0, 5)},
                      ToolCase{10, elements("Command8", 0, 7)},
                      ToolCase{12, elements("Command5", 0, 2) + Names{"Label1", "Combo1"}},
                      ToolCase{16, kTextOptions}, ToolCase{18, elements("Command10", 0, 5)},
                      ToolCase{7, elements("Command7", 0, 13)}),
    [](const auto &info) { return "Button" + std::to_string(info.param.button); });

TEST(Palette, TextEmptiesTheTypedTextAndFillAfterItKeepsTheTextOptions)
{
    GarabelWindow w;
    w->Text1->setText(QStringLiteral("Hola"));
    w.click(*w->Command1[16]);
    EXPECT_EQ(w->Text1->text(), QString());
    EXPECT_EQ(w->Label2->caption(), QString());
    w.click(*w->Command1[11]);
    EXPECT_EQ(w.state().Tool, 11);
    EXPECT_EQ(visibleOptions(w.form()), kTextOptions);
}

TEST(Palette, CommandButtonsKeepTheToolAndTheOptionControls)
{
    GarabelWindow w;
    w.click(*w->Command1[12]);
    const Names shown = visibleOptions(w.form());
    // Every dialog and question is cancelled or answered No by the fake desktop.
    for (int button : {0, 1, 5, 6, 9, 13, 14, 15, 17, 19, 11}) {
        w.click(*w->Command1[button]);
        EXPECT_EQ(visibleOptions(w.form()), shown) << "button " << button;
        EXPECT_EQ(w.state().Tool, button == 11 ? 11 : 12) << "button " << button;
    }
    EXPECT_EQ(w.platform.quitCalls, 0);
}

TEST(Palette, PenWidthStepCyclesOneToFourThenCountsOnFromAChosenWidth)
{
    GarabelWindow w;
    for (int expected : {2, 3, 4, 1, 2}) {
        w.click(*w->Command1[7]);
        EXPECT_EQ(w.state().PenWidth, expected);
        EXPECT_EQ(w->Picture1->drawWidth(), expected);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(w->Picture2[i]->drawWidth(), expected) << "sheet " << i;
    }
    w.click(*w->Command7[8]);
    for (int expected : {10, 11}) {
        w.click(*w->Command1[7]);
        EXPECT_EQ(w.state().PenWidth, expected);
        EXPECT_EQ(w->Picture2[9]->drawWidth(), expected);
    }
}

TEST(Palette, SnappingOnAfterOffRestoresTheSelectedGridStep)
{
    GarabelWindow w;
    w.click(*w->Command1[6]);
    EXPECT_EQ(w.state().GridStep, 1);
    w.click(*w->Command1[5]);
    EXPECT_EQ(w.state().GridStep, 300) << "the start-up grid";

    w.click(*w->Command2[2]);
    const auto centre = std::pair(w.state().CenterX, w.state().CenterY);
    w.click(*w->Command1[6]);
    w.click(*w->Command1[5]);
    EXPECT_EQ(w.state().GridStep, 150);
    EXPECT_EQ(std::pair(w.state().CenterX, w.state().CenterY), centre);
    EXPECT_EQ(w.state().Tool, ToolLine);
}

} // namespace garabel::test
