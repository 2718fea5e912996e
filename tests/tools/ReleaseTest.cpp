#include "desktop/SurfaceView.h"
#include "raster/Surface.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

// BlankWindow's canvas centre is (6900, 5100): the left-right mirror maps x to 13800 - x,
// the top-bottom one maps y to 10200 - y.

void expectCanvasEqualsSheet(GarabelWindow &w, const char *what)
{
    const QImage canvas = w.canvasStored(), sheet = w.sheet();
    EXPECT_EQ(canvas, sheet) << what;
    if (canvas != sheet) {
        savePicture(canvas, QStringLiteral("%1-canvas").arg(what));
        savePicture(sheet, QStringLiteral("%1-sheet").arg(what));
    }
}
} // namespace

struct MirrorSwitches {
    bool flipX, flipY, flipXY;
};

class ReleaseWithMirrors : public ::testing::TestWithParam<MirrorSwitches> {};

// Anchor (1500, 1200), pointer (3000, 2100): each copy is looked for at a point of
// the figure (the line's middle; the rectangle's upper and left edges) mapped
// through its reflection, and the rectangle's middle stays empty.
TEST_P(ReleaseWithMirrors, DrawsTheFigureAndTheCopiesSwitchedOnOnCanvasAndSheetAlike)
{
    const MirrorSwitches m = GetParam();
    for (const PaletteButton tool : {PaletteButton::Line, PaletteButton::Rectangle}) {
        BlankWindow w;
        w.chooseTool(tool);
        w.setMirrors(m.flipX, m.flipY, m.flipXY);
        w.drag({{1500, 1200}, {3000, 2100}});

        const std::vector<QPointF> onFigure = tool == PaletteButton::Line
            ? std::vector<QPointF>{{2250, 1650}}
            : std::vector<QPointF>{{2250, 1200}, {1500, 1650}};
        const struct { bool on, mirrorX, mirrorY; } copies[] = {
            {true, false, false}, {m.flipX, true, false}, {m.flipY, false, true}, {m.flipXY, true, true}};
        const QImage sheet = w.sheet();
        for (const auto &copy : copies) {
            const auto at = [&](QPointF p) {
                return QPointF(copy.mirrorX ? 13800 - p.x() : p.x(), copy.mirrorY ? 10200 - p.y() : p.y());
            };
            for (const QPointF &p : onFigure) {
                EXPECT_EQ(inkNearTwips(sheet, at(p).x(), at(p).y(), kRedPixel) > 0, copy.on)
                    << "tool " << int(tool) << " copy " << copy.mirrorX << copy.mirrorY;
            }
            if (tool == PaletteButton::Rectangle) {
                const QPointF middle = at({2250, 1650});
                EXPECT_EQ(inkNearTwips(sheet, middle.x(), middle.y(), kRedPixel, 5), 0);
            }
        }
        expectCanvasEqualsSheet(w, tool == PaletteButton::Line ? "mirrored-line" : "mirrored-rectangle");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCombination, ReleaseWithMirrors,
                         ::testing::Values(MirrorSwitches{false, false, false}, MirrorSwitches{true, false, false},
                                           MirrorSwitches{false, true, false}, MirrorSwitches{false, false, true},
                                           MirrorSwitches{true, true, false}, MirrorSwitches{true, false, true},
                                           MirrorSwitches{false, true, true}, MirrorSwitches{true, true, true}));

TEST(Release, FillsTheRectangleAfterEachSurfacesFillPattern)
{
    // Box pixels 100..200 x 80..140: the interior is 99 x 59 pixels.
    const QRect interior(101, 81, 99, 59);
    const struct { int style; bool someBlue, someWhite; } cases[] = {
        {FillSolid, true, false}, {FillTransparent, false, true}, {FillHorizontal, true, true}};
    for (const auto &c : cases) {
        BlankWindow w;
        w.chooseTool(PaletteButton::Rectangle);
        w->onFillPatternButton(c.style);
        w.platform.colorAnswers.push_back(rgb(0, 0, 255));  // the pen and the fill
        w->onPaletteButton(PaletteButton::ColourDialog);
        w.drag({{1500, 1200}, {3000, 2100}});
        for (const QImage &image : {w.canvasStored(), w.sheet()}) {
            EXPECT_EQ(countColour(image, kBluePixel, interior) > 0, c.someBlue) << c.style;
            EXPECT_EQ(countColour(image, kWhitePixel, interior) > 0, c.someWhite) << c.style;
            EXPECT_EQ(countColour(image, kRedPixel, interior), 0) << c.style;
        }
        expectCanvasEqualsSheet(w, "filled-rectangle");
    }
}

TEST(Release, CommitsBetweenTheSnappedAnchorAndTheSnappedPointer)
{
    // Pressed at pixel (104, 82), moved to pixel (205, 82).
    const struct { int step; int from, to; int row; } cases[] = {{300, 100, 200, 80}, {1, 104, 205, 82}};
    for (const auto &c : cases) {
        BlankWindow w;
        w.moveFreely(c.step == 1);
        w.drag({{1560, 1240}, {3080, 1240}});
        const QImage sheet = w.sheet();
        EXPECT_EQ(sheet.pixel(c.from, c.row), kRedPixel) << c.step;
        EXPECT_EQ(sheet.pixel(c.to, c.row), kRedPixel) << c.step;
        EXPECT_NE(sheet.pixel(c.from - 2, c.row), kRedPixel) << c.step;
        EXPECT_NE(sheet.pixel(c.to + 2, c.row), kRedPixel) << c.step;
    }
}

TEST(Release, WithoutAMoveCommitsToTheLastHoverPositionAtThePenWidthOnBothSurfaces)
{
    BlankWindow w;
    w.sendStraightToCanvas();  // a press away from the last move
    w.move(3000, 3000);  // the crosshair leaves the canvas pen at 2 pixels
    w.press(6000, 3000);
    w.release(6000, 3000);
    const QImage sheet = w.sheet();
    EXPECT_EQ(sheet.pixel(300, 200), kRedPixel);  // anchor (6000, 3000)
    EXPECT_EQ(sheet.pixel(200, 200), kRedPixel);  // last hover (3000, 3000)
    EXPECT_EQ(countColour(sheet, kRedPixel, QRect(250, 195, 1, 10)), 1);  // one pixel wide
    expectCanvasEqualsSheet(w, "release-without-move");
    EXPECT_EQ(w.probe().undoRing().position(0), 1);
}

TEST(Release, TheRightAndMiddleButtonsDrawLikeTheLeft)
{
    BlankWindow left;
    left.drag({{1500, 1200}, {3000, 2100}, {4500, 1500}}, Qt::LeftButton);
    ASSERT_GT(countColour(left.sheet(), kRedPixel), 0);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        BlankWindow other;
        other.drag({{1500, 1200}, {3000, 2100}, {4500, 1500}}, button);
        EXPECT_EQ(other.sheet(), left.sheet()) << button;
        EXPECT_EQ(other.canvas(), left.canvas()) << button;
    }
}

// Nothing lies over the canvas: every point of it belongs to the canvas, and a
// line pressed where the text box used to lie reaches the canvas and the sheet.
TEST(Release, NothingCoversTheCanvasAndALineStartedAnywhereOnItIsDrawn)
{
    BlankWindow w;
    QWidget *view = w.probe().canvasView();
    for (int y = 2; y < view->height() - 2; y += 16) {
        for (int x = 2; x < view->width() - 2; x += 16) {
            QWidget *at = w->childAt(view->mapTo(&w.window(), QPoint(x, y)));
            ASSERT_TRUE(at == view || view->isAncestorOf(at)) << x << "," << y;
        }
    }
    w.drag({{3000, 3000}, {9000, 3000}});
    for (const QImage &image : {w.canvasStored(), w.sheet()}) {
        EXPECT_GT(inkNearTwips(image, 3000, 3000, kRedPixel), 0);
        EXPECT_GT(inkNearTwips(image, 6000, 3000, kRedPixel), 0);
    }
}

} // namespace garabel::test
