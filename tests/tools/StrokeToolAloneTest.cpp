#include "support/ToolAlone.h"

#include <gtest/gtest.h>

namespace garabel::test {

// The press takes the step, each move with the button held draws into the
// stored images, and the release only settles.
TEST(StrokeTools, DrawAlongEachMoveAfterTheStepOfThePress)
{
    for (const PaletteButton tool : {PaletteButton::Dots, PaletteButton::Freehand}) {
        ToolAlone t(tool);
        t.drag();
        EXPECT_EQ(t.log, (Calls{"push", "store", "store", "drop"})) << int(tool);
        for (const Drawn &marks : t.target.stored)
            EXPECT_EQ(marks.colour, kToolRed) << int(tool);
    }
    ToolAlone eraser(PaletteButton::Eraser);
    eraser.drag();
    EXPECT_EQ(eraser.log, (Calls{"push", "erase", "erase", "drop"}));
}

// Each segment starts at the pointer of the move before, its mirror copy at
// that point's reflection, not the anchor's.
TEST(StrokeTools, FreehandJoinsEachMoveToTheOneBefore)
{
    ToolAlone t(PaletteButton::Freehand);
    t.state.mirrors.leftRight = true;
    t.drag();
    ASSERT_EQ(t.target.stored.size(), 2u);
    const Shapes second{Segment{{3600, 3300}, {4200, 3900}},
                        Segment{{10200, 3300}, {9600, 3900}, Mirror{Reflection::LeftRight, {6900, 5100}}}};
    EXPECT_EQ(t.target.stored[1].shapes, second);
}

// The eraser's square, of its size, sweeps from the pointer of the move before.
TEST(StrokeTools, TheEraserSweepsFromTheMoveBefore)
{
    ToolAlone t(PaletteButton::Eraser);
    t.state.pen.eraserSize = 90;
    t.drag();
    ASSERT_EQ(t.target.erases.size(), 2u);
    EXPECT_EQ(t.target.erases[1].from, QPointF(3600, 3300));
    EXPECT_EQ(t.target.erases[1].to, QPointF(4200, 3900));
    EXPECT_EQ(t.target.erases[1].half, 90);
}

} // namespace garabel::test
