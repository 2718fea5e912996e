#include "desktop/SurfaceView.h"
#include "support/GarabelWindow.h"
#include "support/PaintWatch.h"
#include "support/ScreenGrab.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

namespace garabel::test {
namespace {

// The same view painted whole, afresh.
QImage paintedWhole(GarabelWindow &w)
{
    return w.probe().canvasView()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A drag from `anchor` to `first` and on to `second` (twips): what the view
// repainted for the last move.
QRegion repaintedByLastMove(GarabelWindow &w, QPointF anchor, QPointF first, QPointF second)
{
    w.move(anchor.x(), anchor.y());
    w.press(anchor.x(), anchor.y());
    w.move(first.x(), first.y(), Qt::LeftButton);
    QCoreApplication::processEvents();
    const PaintWatch watch(*w.probe().canvasView());
    w.move(second.x(), second.y(), Qt::LeftButton);
    QCoreApplication::processEvents();
    return watch.painted;
}

struct DragCase {
    const char *name;
    PaletteButton tool;
    int fillPattern;  // -1: as at start-up, transparent
    int circleKind;
};

class DragRepaint : public ::testing::TestWithParam<DragCase> {};

// Each move repaints only part of the view, yet the screen ends up exactly as a
// whole repaint would show it: the preview, its mirror copies, the crosshair
// and the mirror axes, with nothing left behind by the moves before.
TEST_P(DragRepaint, LeavesTheScreenAsAWholeRepaintWouldAfterEveryMove)
{
    const DragCase c = GetParam();
    BlankWindow w;
    w.chooseTool(c.tool);
    if (c.fillPattern >= 0)
        w->onFillPatternButton(c.fillPattern);
    if (c.circleKind >= 0)
        w->onCircleKindButton(c.circleKind);
    w.setMirrors(true, true, true);
    w.move(600, 450);
    w.press(600, 450);
    // Out, and back in over what the figure covered before.
    for (const int step : {6, 1, 4, 2, 5, 3}) {
        w.move(1800 + 300 * step, 1200 + 150 * step, Qt::LeftButton);
        ASSERT_EQ(canvasViewOnScreen(w), paintedWhole(w)) << c.name << ", move to step " << step;
    }
    w.release(1800 + 300 * 3, 1200 + 150 * 3);
    EXPECT_EQ(canvasViewOnScreen(w), paintedWhole(w)) << c.name << ", released";
}

INSTANTIATE_TEST_SUITE_P(Figures, DragRepaint, ::testing::Values(
    DragCase{"line", PaletteButton::Line, -1, -1}, DragCase{"rectangle", PaletteButton::Rectangle, -1, -1},
    DragCase{"solid rectangle", PaletteButton::Rectangle, FillSolid, -1},
    DragCase{"hatched rectangle", PaletteButton::Rectangle, FillDiagonalCross, -1},
    DragCase{"solid ellipse", PaletteButton::Circle, FillSolid, 1}, DragCase{"arc", PaletteButton::Circle, -1, 4}));

// A filled figure dragged a little: the pixels inside both the old and the new
// figure show the same colour, and are not painted again.
TEST(FilledDrag, PaintsAFilledFigureOnlyWhereTheOldAndTheNewOneDiffer)
{
    BlankWindow w;
    w.chooseTool(PaletteButton::Rectangle);
    w->onFillPatternButton(FillSolid);
    const QRegion painted = repaintedByLastMove(w, {600, 450}, {4200, 3000}, {4500, 3150});
    // Both rectangles cover (40, 30) .. (280, 200) in pixels; well inside it nothing is repainted.
    const QRect inside = QRect(QPoint(40, 30), QPoint(280, 200)).adjusted(20, 20, -20, -20).translated(SurfaceView::innerOrigin());
    EXPECT_FALSE(painted.isEmpty());
    EXPECT_TRUE((painted & inside).isEmpty()) << "repainted inside both rectangles";
    EXPECT_EQ(canvasViewOnScreen(w), paintedWhole(w));
}

// On a large canvas an outline's move repaints around its outline, not its
// middle: the bands of a rectangle, boxes along an ellipse or an arc.
class OutlineRepaint : public ::testing::TestWithParam<DragCase> {};

TEST_P(OutlineRepaint, FollowsTheOutlineNotItsMiddle)
{
    const DragCase c = GetParam();
    GarabelWindow w(QSize(28800, 16200));
    w.chooseTool(c.tool);
    if (c.circleKind >= 0)
        w->onCircleKindButton(c.circleKind);
    const QRegion painted = repaintedByLastMove(w, {3000, 3000}, {18000, 12000}, {18300, 12300});
    // The rectangle spans pixels (200, 200) .. (1200, 800); the ellipse lies in
    // it, the half circle around the anchor reaches above it.
    const QRect middle = c.tool == PaletteButton::Rectangle ? QRect(QPoint(400, 350), QPoint(1000, 650))
                         : c.circleKind == 1                ? QRect(QPoint(550, 400), QPoint(850, 600))
                                                            : QRect(QPoint(200, 150), QPoint(400, 190));
    EXPECT_FALSE(painted.isEmpty());
    EXPECT_TRUE((painted & middle.translated(SurfaceView::innerOrigin())).isEmpty()) << c.name;
    EXPECT_EQ(canvasViewOnScreen(w), paintedWhole(w)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Figures, OutlineRepaint, ::testing::Values(
    DragCase{"rectangle", PaletteButton::Rectangle, -1, -1}, DragCase{"ellipse", PaletteButton::Circle, -1, 1},
    DragCase{"arc", PaletteButton::Circle, -1, 4}));

// The view painted whole into an image of another format, where the view
// writes no pixel itself but reads each from the canvas through the painter.
QImage paintedThroughPainter(GarabelWindow &w)
{
    SurfaceView *view = w.probe().canvasView();
    QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
    view->render(&image);
    return image.convertToFormat(QImage::Format_RGB32);
}

// The tiles a fill painted whole are repainted from their colour, unread; the
// screen still shows what the sheet holds, there and once drawn over again.
TEST(FillRepaint, ShowsWhatTheCanvasHoldsWhereAFillPaintedWholeTiles)
{
    BlankWindow w;
    w.chooseColourInDialog(rgb(0, 0, 255));
    w.chooseTool(PaletteButton::Fill);
    w.drag({{2250, 1650}});
    ASSERT_EQ(w.probe().currentSheetImage().tileColour(1, 1), 0xFF0000FFu) << "the sheet knows the filled tiles";
    EXPECT_EQ(canvasViewOnScreen(w), paintedThroughPainter(w)) << "filled";
    w.click(*w.probe().gridButtons()[5]);  // dots on the canvas only
    EXPECT_EQ(canvasViewOnScreen(w), paintedThroughPainter(w)) << "dots over the fill";
    w.chooseColourInDialog(rgb(255, 0, 0));
    w.chooseTool(PaletteButton::Line);
    w.drag({{600, 600}, {3000, 1800}});
    EXPECT_EQ(canvasViewOnScreen(w), paintedThroughPainter(w)) << "a line over the fill";
}

} // namespace
} // namespace garabel::test
