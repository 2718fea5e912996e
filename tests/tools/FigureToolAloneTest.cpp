#include "support/ToolAlone.h"

#include <gtest/gtest.h>

namespace garabel::test {

// The preview of the last move is what the release stores, once, in the pen's
// colour, after the one undo step the release takes and at the pen width.
TEST(FigureTools, PreviewEachMoveAndStoreTheLastPreviewOnceAtTheRelease)
{
    for (const PaletteButton tool :
         {PaletteButton::Line, PaletteButton::Rectangle, PaletteButton::Circle, PaletteButton::Polygon}) {
        ToolAlone t(tool);
        t.state.mirrors.leftRight = true;
        t.drag();
        EXPECT_EQ(t.log, (Calls{"preview", "preview", "push", "store", "drop"})) << int(tool);
        ASSERT_EQ(t.target.previews.size(), 2u) << int(tool);
        ASSERT_EQ(t.target.stored.size(), 1u) << int(tool);
        EXPECT_NE(t.target.previews[0].shapes, t.target.previews[1].shapes) << int(tool);
        EXPECT_EQ(t.target.stored[0].shapes, t.target.previews[1].shapes) << int(tool);
        EXPECT_EQ(t.target.previews[1].colour, kToolRed) << int(tool);
        EXPECT_EQ(t.target.stored[0].colour, kToolRed) << int(tool);
    }
}

// A click: the line and the box store their one-point figure as a step; the
// circle and the polygon, with no move to size them, store nothing and take no
// step, even right after a figure of their own.
TEST(FigureTools, AClickStoresAPointOrNothing)
{
    for (const PaletteButton tool : {PaletteButton::Line, PaletteButton::Rectangle}) {
        ToolAlone t(tool);
        t.click(3000, 3000);
        EXPECT_EQ(t.log, (Calls{"push", "store", "drop"})) << int(tool);
    }
    for (const PaletteButton tool : {PaletteButton::Circle, PaletteButton::Polygon}) {
        ToolAlone t(tool);
        t.drag();
        t.log.clear();
        t.click(5000, 4000);
        EXPECT_EQ(t.log, Calls{}) << int(tool);
    }
}

// The fill takes the pixel that holds the pointer where the drag ended, its
// twips rounded down, as one step.
TEST(FillTool, FillsThePixelUnderThePointerAtTheReleaseAsOneStep)
{
    ToolAlone t(PaletteButton::Fill);
    t.press(100, 100);
    t.move(3014, 1514);
    t.release();
    EXPECT_EQ(t.log, (Calls{"push", "fill", "drop"}));
    EXPECT_EQ(t.target.fills, std::vector<QPoint>{QPoint(200, 100)});
}

} // namespace garabel::test
