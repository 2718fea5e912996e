#include "drawing/DrawingState.h"
#include "drawing/SnapshotStore.h"
#include "raster/Surface.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
const QRectF kF1(600, 600, 900, 600);
const QRectF kF2(3000, 1500, 900, 600);

bool shows(const QImage &image, const QRectF &figure)
{
    return pixelAtTwips(image, figure.center().x(), figure.center().y()) != kWhitePixel;
}

class UndoRing : public ::testing::Test
{
protected:
    GarabelWindow w;
    void SetUp() override { w.click(*w.probe().sheetButtons()[0]); }  // the canvas shows blank sheet 1
    void undo() { w->onPaletteButton(PaletteButton::Undo); }
    void expectCanvasAndSheetAlike() { EXPECT_EQ(w.canvas(), w.sheet()); }
};
} // namespace

TEST_F(UndoRing, WorkedSequenceStepsBackThroughTheRingAndComesRoundAgain)
{
    commitBox(w, kF1, kRed);
    commitBox(w, kF2, kBlue);
    EXPECT_EQ(w.probe().undoRing().position(0), 2);
    EXPECT_TRUE(w.probe().undoRing().snapshotPending());

    undo();  // stores F1+F2 in slot 2, shows slot 1
    EXPECT_EQ(w.probe().undoRing().position(0), 1);
    EXPECT_FALSE(w.probe().undoRing().snapshotPending());
    EXPECT_TRUE(shows(w.canvas(), kF1));
    EXPECT_FALSE(shows(w.canvas(), kF2));
    expectCanvasAndSheetAlike();

    undo();  // slot 0: the blank sheet
    EXPECT_EQ(w.probe().undoRing().position(0), 0);
    EXPECT_TRUE(isAllWhite(w.canvas()));
    expectCanvasAndSheetAlike();

    for (int slot : {6, 5, 4, 3}) {
        undo();
        EXPECT_EQ(w.probe().undoRing().position(0), slot);
        EXPECT_TRUE(isAllWhite(w.canvas())) << "slot " << slot << " was never written";
        EXPECT_TRUE(isAllWhite(w.sheet()));
    }

    undo();  // slot 2: the state the first undo saved
    EXPECT_EQ(w.probe().undoRing().position(0), 2);
    EXPECT_TRUE(shows(w.canvas(), kF1));
    EXPECT_TRUE(shows(w.canvas(), kF2));
    expectCanvasAndSheetAlike();
}

TEST_F(UndoRing, AfterNineLinesSixStepsBackShowSixDistinctStatesThenTheRingComesRound)
{
    w.pickRed();
    auto lineAt = [](int i) { return QRectF(300 + 600 * i, 600, 0, 900); };
    for (int i = 0; i < 9; ++i)
        w.drag({lineAt(i).topLeft(), lineAt(i).bottomLeft()});
    const QImage latest = w.sheet();
    for (int step = 1; step <= 6; ++step) {
        undo();
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(shows(w.canvas(), lineAt(i)), i < 9 - step) << "line " << i << " after undo " << step;
        expectCanvasAndSheetAlike();
    }
    undo();  // seventh step: round the ring to the state the first undo saved
    EXPECT_EQ(w.canvas(), latest);
}

// The stroke tools write into the sheet while the pointer moves; their undo
// step is taken at the press, so one undo takes back the stroke and nothing else.
TEST_F(UndoRing, OneUndoRemovesExactlyTheLastStrokeOfEachStrokeTool)
{
    w.pickRed();
    w->onPenWidthButton(2);
    w.drag({{600, 600}, {6000, 600}});  // a line, before the stroke
    const QImage before = w.sheet();
    for (PaletteButton tool : {PaletteButton::Dots, PaletteButton::Freehand, PaletteButton::Eraser}) {
        w.chooseTool(tool);
        w->onEraserSizeButton(2);
        w.move(1500, 600);
        w.drag({{1500, 600}, {3000, 600}, {3000, 1800}});
        ASSERT_NE(w.sheet(), before) << int(tool);
        undo();
        EXPECT_EQ(w.sheet(), before) << int(tool);
        expectCanvasAndSheetAlike();
    }
}

// A release that leaves the sheet as it was spends no step of the ring.
TEST_F(UndoRing, ReleasesThatChangeNothingLeaveNoStepToUndo)
{
    w.pickRed();
    w.drag({{600, 600}, {6000, 600}});
    const int pos = w.probe().undoRing().position(0);
    w.move(1500, 1500);
    auto expectNoStep = [&](PaletteButton tool, const char *what) {
        w.chooseTool(tool);
        w.press(1500, 1500);  // a click without a move
        w.release(1500, 1500);
        EXPECT_EQ(w.probe().undoRing().position(0), pos) << what;
    };
    expectNoStep(PaletteButton::Text, "text that only marks the spot");
    expectNoStep(PaletteButton::Freehand, "a stroke pressed and released unmoved");
    expectNoStep(PaletteButton::Polygon, "a polygon before any preview");
    w.pickColour(QPoint(10, 8));  // white
    expectNoStep(PaletteButton::Fill, "a fill in the colour already there");

    undo();
    EXPECT_TRUE(isAllWhite(w.canvas())) << "the one undo takes back the line";
}

TEST(UndoFirst, UndoAsTheFirstActionBlanksTheCanvasAndTheSheet)
{
    GarabelWindow w;
    ASSERT_FALSE(isAllWhite(w.canvas())) << "the start-up picture is shown";
    w->onPaletteButton(PaletteButton::Undo);
    EXPECT_EQ(w.probe().undoRing().position(0), 6);
    EXPECT_FALSE(w.probe().undoRing().snapshotPending());
    EXPECT_TRUE(isAllWhite(w.canvas()));
    EXPECT_TRUE(isAllWhite(w.sheet()));
}

TEST_F(UndoRing, ANewReleaseAfterUndoPushesTheStateShownAndOverwritesAheadOfIt)
{
    commitBox(w, kF1, kRed);
    commitBox(w, kF2, kBlue);
    undo();  // shows F1, undo.positions 1
    const QRectF f3(600, 2400, 600, 600);
    commitBox(w, f3, kRed);  // pushes F1 into slot 1
    EXPECT_EQ(w.probe().undoRing().position(0), 2);
    undo();  // stores F1+F3 in slot 2, shows slot 1 (F1)
    EXPECT_TRUE(shows(w.canvas(), kF1));
    EXPECT_FALSE(shows(w.canvas(), f3));
    EXPECT_FALSE(shows(w.canvas(), kF2));
}

TEST_F(UndoRing, EachSheetKeepsItsOwnPendingSnapshot)
{
    commitBox(w, kF1, kRed);  // sheet 1: push, snapshot pending
    w.click(*w.probe().sheetButtons()[1]);

    undo();  // on sheet 2: nothing of its own is pending, so nothing is stored
    EXPECT_TRUE(w.probe().undoRing().snapshotPending(0));
    EXPECT_EQ(w.probe().undoRing().position(1), 6);
    EXPECT_TRUE(isAllWhite(w.canvas()));
    EXPECT_FALSE(w.probe().undoRing().store().hasPicture(1, 0));

    w.click(*w.probe().sheetButtons()[0]);
    undo();  // sheet 1 stores F1 in its slot 1, shows slot 0
    EXPECT_FALSE(w.probe().undoRing().snapshotPending(0));
    EXPECT_EQ(w.probe().undoRing().position(0), 0);
    EXPECT_TRUE(isAllWhite(w.canvas()));
    w->onRedo();
    EXPECT_TRUE(shows(w.canvas(), kF1));
}

TEST_F(UndoRing, UndoOnOneSheetLeavesEveryOtherSheetAsItWas)
{
    commitBox(w, kF1, kRed);
    w.click(*w.probe().sheetButtons()[3]);
    commitBox(w, kF2, kBlue);
    const QImage sheetOne = w.sheet(0);
    undo();
    undo();
    EXPECT_EQ(w.sheet(0), sheetOne);
    for (int i : {1, 2, 4, 5, 6, 7, 8, 9})
        EXPECT_TRUE(w.probe().sheetImage(i).image().isNull());
}

TEST(SnapshotStore, ASnapshotAfterASmallChangeHoldsOnlyTheTilesThatChanged)
{
    SnapshotStore store;
    store.createSlots(1, 7);
    Surface sheet;
    sheet.setWidth((1024 + 2) * 15);
    sheet.setHeight((768 + 2) * 15);
    store.capture(0, 0, sheet);
    const std::size_t tile = 64 * 64 * 4;
    EXPECT_LT(store.bytesHeld(), tile) << "a blank sheet holds no tile of pixels, only its table";

    const Pen pen;
    sheet.stored(pen).filledBox(15 * 10, 15 * 10, 15 * 100, 15 * 100, rgb(255, 0, 0));  // touches 2 x 2 tiles
    store.capture(0, 1, sheet);
    const std::size_t afterBox = store.bytesHeld();
    EXPECT_GE(afterBox, 4 * tile);
    EXPECT_LT(afterBox, 5 * tile);

    sheet.stored(pen).filledBox(15 * 500, 15 * 500, 15 * 510, 15 * 510, rgb(0, 255, 0));  // one more tile
    store.capture(0, 2, sheet);
    EXPECT_GE(store.bytesHeld() - afterBox, tile);
    EXPECT_LT(store.bytesHeld() - afterBox, 2 * tile) << "unchanged tiles are shared with the slot before";

    const QImage restored = store.picture(0, 1);
    EXPECT_EQ(restored.pixel(50, 50), kRedPixel);
    EXPECT_EQ(restored.pixel(505, 505), kWhitePixel);
    EXPECT_EQ(store.picture(0, 2).pixel(505, 505), kGreenPixel);
    EXPECT_TRUE(store.picture(0, 0).isNull());
    EXPECT_FALSE(store.hasPicture(0, 3));
}

TEST(SnapshotStore, FillsOfTheWholeSheetRestoreExactlyAndHoldAlmostNothing)
{
    SnapshotStore store;
    store.createSlots(1, 7);
    Surface sheet;
    sheet.setWidth((1000 + 2) * 15);  // edge tiles cut short
    sheet.setHeight((700 + 2) * 15);
    Pen pen{.fillPattern = FillSolid, .fillColour = rgb(255, 0, 0)};
    sheet.floodFill(0, 0, kWhite, pen);
    store.capture(0, 0, sheet);
    const QImage red = sheet.image().copy();

    pen.fillColour = rgb(0, 0, 255);
    sheet.floodFill(0, 0, rgb(255, 0, 0), pen);
    sheet.stored(pen).pset(15 * 127, 15 * 127, rgb(0, 255, 0));  // the last pixel of one tile
    store.capture(0, 1, sheet);
    const QImage blue = sheet.image().copy();

    const std::size_t fullImage = std::size_t(red.sizeInBytes());
    EXPECT_LT(store.bytesHeld(), 2 * fullImage / 100);
    store.restore(0, 0, sheet);
    EXPECT_EQ(sheet.image(), red);
    store.restore(0, 1, sheet);
    EXPECT_EQ(sheet.image(), blue);
    EXPECT_EQ(store.picture(0, 0), red);
}

} // namespace garabel::test
