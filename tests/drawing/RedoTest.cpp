#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"

#include <gtest/gtest.h>

#include <vector>

namespace garabel::test {

namespace {
QRectF lineAt(int i)
{
    return QRectF(300 + 600 * i, 600, 0, 900);
}

// Redo through its two keys, typed where the keys go while the program runs:
// the text box, which would keep them for its own redo.
class Redo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w.click(*w.probe().sheetButtons()[0]);
        w.pickRed();
        ASSERT_TRUE(w.takeKeys());
    }
    void undo() { w.click(PaletteButton::Undo); }
    void redoByY() { w.key(Qt::Key_Y); }
    void redoByShiftZ() { w.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    void drawLine(int i) { w.drag({lineAt(i).topLeft(), lineAt(i).bottomLeft()}); }
    int redoSteps(int sheet = 0) const { return w.probe().undoRing().redoSteps(sheet); }

    GarabelWindow w;
};
} // namespace

// Nine lines, six undos: each redo, by either key, brings back the state
// before the undo it takes back, until the latest; one more redo does nothing.
TEST_F(Redo, TheNineLinesUndoneAreRedoneOneByOne)
{
    std::vector<QImage> after;  // the sheet after each line
    for (int i = 0; i < 9; ++i) {
        drawLine(i);
        after.push_back(w.sheet());
    }
    for (int step = 1; step <= 6; ++step)
        undo();
    ASSERT_EQ(w.sheet(), after[2]);
    EXPECT_EQ(redoSteps(), 6);

    for (int lines = 4; lines <= 9; ++lines) {
        if (lines % 2)
            redoByY();
        else
            redoByShiftZ();
        EXPECT_EQ(w.sheet(), after[lines - 1]) << lines << " lines";
        EXPECT_EQ(w.canvas(), w.sheet()) << lines << " lines";
    }
    EXPECT_EQ(w.probe().undoRing().position(0), 9 % 7) << "back where the undos started";
    redoByY();
    EXPECT_EQ(w.sheet(), after[8]);
    EXPECT_EQ(redoSteps(), 0);

    undo();  // the ring is as it was: undo steps back through the same states
    EXPECT_EQ(w.sheet(), after[7]);
}

// A new line ends the redo steps; a click that changes nothing does not.
TEST_F(Redo, ANewLineEndsTheRedoStepsAClickThatDrawsNothingDoesNot)
{
    for (int i = 0; i < 3; ++i)
        drawLine(i);
    const QImage twoLines = [&] {
        undo();
        return w.sheet();
    }();
    undo();
    w.chooseTool(PaletteButton::Text);
    w.drag({{1500, 3000}, {1500, 3000}});  // marks the text's spot only
    EXPECT_EQ(redoSteps(), 2);
    redoByY();
    EXPECT_EQ(w.sheet(), twoLines);

    w.chooseTool(PaletteButton::Line);
    drawLine(5);
    const QImage withNewLine = w.sheet();
    EXPECT_EQ(redoSteps(), 0);
    redoByY();
    redoByShiftZ();
    EXPECT_EQ(w.sheet(), withNewLine) << "redo after a new line does nothing";
    EXPECT_EQ(w.canvasStored(), withNewLine);
    undo();
    EXPECT_EQ(w.sheet(), twoLines);
}

TEST_F(Redo, EachSheetKeepsItsOwnSteps)
{
    drawLine(0);
    drawLine(1);
    const QImage sheetOne = w.sheet();
    undo();
    undo();
    w.click(*w.probe().sheetButtons()[1]);
    drawLine(3);
    const QImage sheetTwo = w.sheet();
    undo();
    EXPECT_EQ(redoSteps(0), 2);
    EXPECT_EQ(redoSteps(1), 1);

    redoByY();
    redoByY();  // sheet 2 had one step only
    EXPECT_EQ(w.sheet(), sheetTwo);
    EXPECT_EQ(w.canvas(), sheetTwo);
    EXPECT_TRUE(isAllWhite(w.sheet(0))) << "sheet 1 keeps its undos";

    w.click(*w.probe().sheetButtons()[0]);
    redoByShiftZ();
    redoByShiftZ();
    EXPECT_EQ(w.sheet(), sheetOne);
    EXPECT_EQ(w.canvas(), sheetOne);
    EXPECT_EQ(w.sheet(1), sheetTwo);
}

// The state a sheet's first undo keeps for redo is the sheet's own: an undo on
// another sheet in between leaves it to be kept.
TEST_F(Redo, AnUndoOnAnotherSheetLosesNoStepOfThisOne)
{
    w.click(*w.probe().sheetButtons()[1]);
    drawLine(0);
    const QImage oneLine = w.sheet();
    drawLine(1);
    const QImage twoLines = w.sheet();
    w.click(*w.probe().sheetButtons()[0]);
    drawLine(2);
    w.key(Qt::Key_Z);
    w.click(*w.probe().sheetButtons()[1]);
    w.key(Qt::Key_Z);
    ASSERT_EQ(w.sheet(), oneLine);
    redoByY();
    EXPECT_EQ(w.sheet(), twoLines);
    EXPECT_EQ(w.canvas(), twoLines);
}

} // namespace garabel::test
