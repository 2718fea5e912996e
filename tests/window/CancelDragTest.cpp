#include "desktop/SurfaceView.h"
#include "support/CanvasKeys.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
// Sheet 1 with one blue box drawn (one undo step), drawing in red with the
// crosshair in black, the keys in the text box.
class CancelDrag : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w.click(*w.probe().sheetButtons()[0]);
        commitBox(w, QRectF(600, 600, 900, 600), rgb(0, 0, 255));
        w.chooseColourInDialog(kRed);
        before = w.sheet();
        ASSERT_TRUE(w.takeKeys());
    }
    void escape() { keys.key(Qt::Key_Escape); }
    // Space, then a step right and down: the keyboard's drag under way.
    void beginKeyboardDrag(PaletteButton tool)
    {
        w.chooseTool(tool);
        keys.key(Qt::Key_Space);
        keys.key(Qt::Key_Right);
        keys.key(Qt::Key_Down);
    }
    // Nothing red anywhere, the sheet and the undo ring as before the drag, the tool kept.
    void expectNothingLeft(PaletteButton tool, const char *what)
    {
        EXPECT_EQ(w.sheet(), before) << what;
        EXPECT_EQ(w.canvasStored(), w.sheet()) << what;
        EXPECT_EQ(countColour(w.canvas(), kRedPixel), 0) << what << ": no preview";
        EXPECT_EQ(w.probe().undoRing().position(0), 1) << what << ": no undo step";
        EXPECT_EQ(w.state().tool, tool) << what;
    }
    // Escape, then the mouse goes on with its button held and lets go.
    void escapeThenFinishTheDrag(PaletteButton tool)
    {
        escape();
        expectNothingLeft(tool, "after Escape");
        w.move(4800, 4200, Qt::LeftButton);
        w.release(4800, 4200);
        expectNothingLeft(tool, "after the release");
    }

    GarabelWindow w;
    CanvasKeys keys{w};
    QImage before;
};
} // namespace

TEST_F(CancelDrag, EscapeTakesAMouseFigureAwayAndItsReleaseCommitsNothing)
{
    w.chooseTool(PaletteButton::Rectangle);
    w.move(3000, 3000);
    w.press(3000, 3000);
    w.move(4500, 3900, Qt::LeftButton);
    ASSERT_GT(countColour(w.canvas(), kRedPixel), 0) << "the preview";
    escapeThenFinishTheDrag(PaletteButton::Rectangle);
}

TEST_F(CancelDrag, EscapeTakesAMouseStrokeBackToItsStart)
{
    w.chooseTool(PaletteButton::Freehand);
    w.move(3000, 3000);
    w.press(3000, 3000);
    w.move(4500, 3000, Qt::LeftButton);
    w.move(4500, 3900, Qt::LeftButton);
    ASSERT_GT(countColour(w.sheet(), kRedPixel), 0) << "the stroke so far";
    escapeThenFinishTheDrag(PaletteButton::Freehand);
    keys.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(isAllWhite(w.sheet())) << "the one undo step left is the box's";
}

TEST_F(CancelDrag, EscapeTakesAKeyboardFigureAndStrokeAway)
{
    ASSERT_TRUE(keys.focus());
    for (const PaletteButton tool : {PaletteButton::Rectangle, PaletteButton::Freehand}) {
        beginKeyboardDrag(tool);
        ASSERT_GT(countColour(w.canvas(), kRedPixel), 0) << "the preview or the stroke";
        escape();
        expectNothingLeft(tool, "after Escape");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w.probe().canvasView())->text(QAccessible::Value),
                  QStringLiteral("figura anulada"))
            << "a screen reader hears the figure given up";
        keys.key(Qt::Key_Right);
        expectNothingLeft(tool, "an arrow after Escape only moves the crosshair");
    }
}

// Undo and redo mid-drag, by their keys: the drag goes first, as on Escape,
// then the key steps over what was there before the drag.
TEST_F(CancelDrag, UndoAndRedoInTheMiddleOfAMouseDragGiveItUpFirst)
{
    for (const PaletteButton tool : {PaletteButton::Rectangle, PaletteButton::Freehand}) {
        w.chooseTool(tool);
        w.move(3000, 3000);
        w.press(3000, 3000);
        w.move(4500, 3900, Qt::LeftButton);
        w.key(Qt::Key_Z);
        EXPECT_TRUE(isAllWhite(w.sheet())) << int(tool) << ": the box undone, not the drag";
        w.move(4800, 3000, Qt::LeftButton);
        w.key(Qt::Key_Y);
        w.move(4800, 4200, Qt::LeftButton);
        w.release(4800, 4200);
        expectNothingLeft(tool, "after undo, redo and the release");
    }
}

// A keyboard drag begun on one sheet commits on none when the sheet changes.
TEST_F(CancelDrag, ASheetSwitchInTheMiddleOfAKeyboardDragGivesItUp)
{
    ASSERT_TRUE(keys.focus());
    beginKeyboardDrag(PaletteButton::Rectangle);
    w.click(*w.probe().sheetButtons()[1]);
    ASSERT_TRUE(w.probe().canvasView()->hasFocus());
    keys.key(Qt::Key_Space);  // a new press on sheet 2, not the release
    EXPECT_TRUE(isAllWhite(w.sheet()));
    EXPECT_EQ(w.probe().undoRing().position(1), 0) << "no undo step on sheet 2";
    w.click(*w.probe().sheetButtons()[0]);
    expectNothingLeft(PaletteButton::Rectangle, "sheet 1");
}

TEST_F(CancelDrag, LosingTheFocusInAKeyboardDragGivesItUp)
{
    ASSERT_TRUE(keys.focus());
    beginKeyboardDrag(PaletteButton::Freehand);
    ASSERT_GT(countColour(w.sheet(), kRedPixel), 0) << "the stroke so far";
    ASSERT_TRUE(w.takeKeys());
    expectNothingLeft(PaletteButton::Freehand, "with the focus gone");
}

} // namespace garabel::test
