#include "platform/Surface.h"
#include "support/GarabelWindow.h"
#include "support/Ink.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
constexpr QRgb kRed = 0xFFFF0000;

// Blank sheet 0, drawing red with the circle tool in `mode`. The canvas centre
// is (6900, 5100) and the grid step 300, so the points below stay where they are.
struct CircleWindow : GarabelWindow {
    explicit CircleWindow(int mode)
    {
        click(*probe().sheetButtons()[0]);
        pickRed();
        chooseTool(ToolCircle);
        window().onCircleKindButton(mode);
    }
};

// The red pixels of an image, leaving out the crosshair's square around the pointer.
QImage redOutside(const QImage &image, QPointF pointer)
{
    QImage red(image.size(), QImage::Format_Mono);
    red.fill(0);
    const QRect crosshair(pixelOf(pointer.x(), pointer.y()) - QPoint(30, 30), QSize(61, 61));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) | 0xFF000000u) == kRed && !crosshair.contains(x, y))
                red.setPixel(x, y, 1);
        }
    }
    return red;
}
} // namespace

TEST(CircleCommit, ThePreviewShowsWhatTheReleaseCommitsOnCanvasAndSheet)
{
    const QPointF anchor(3000, 3000);
    for (int mode = 0; mode <= 5; ++mode) {
        for (const QPointF pointer : {QPointF(3900, 4200), QPointF(2100, 3600)}) {
            CircleWindow w(mode);
            w.setMirrors(true, true, true);
            w.press(anchor.x(), anchor.y());
            w.move(pointer.x(), pointer.y(), Qt::LeftButton);
            const QImage preview = redOutside(w.canvas(), pointer);
            EXPECT_EQ(countColour(w.sheet(), kRed), 0);
            w.release(pointer.x(), pointer.y());

            const QImage sheet = w.sheet();
            EXPECT_GT(countColour(sheet, kRed), 100) << "mode " << mode;
            EXPECT_EQ(redOutside(sheet, pointer), preview) << "mode " << mode << " to " << pointer.x();
            EXPECT_EQ(w.canvasStored(), sheet) << "mode " << mode << " to " << pointer.x();
        }
    }
}

TEST(CircleCommit, AFullCircleWithoutAMoveReusesTheLastRadiusAroundTheNewAnchor)
{
    CircleWindow w(0);
    w.setMirrors(true, false, false);
    w.drag({{3000, 3000}, {3900, 4200}});  // radius 1500
    ASSERT_EQ(w.state().circle.radius, 1500);
    QImage sheet = w.sheet();
    EXPECT_GT(inkNear(sheet, 4500, 3000, kRed), 0);
    EXPECT_GT(inkNear(sheet, 13800 - 4500, 3000, kRed), 0);  // the left-right copy
    EXPECT_EQ(inkNear(sheet, 4500, 10200 - 3000, kRed), 0);  // no top-bottom copy

    // Measured afresh, the pointer (3900, 4200) would give 3662.
    const QPointF onNewCircle[] = {{7500, 7200}, {4500, 7200}, {6000, 5700}, {6000, 8700}};
    for (const QPointF p : onNewCircle)
        ASSERT_EQ(inkNear(sheet, p.x(), p.y(), kRed), 0);
    w.press(6000, 7200);
    w.release(6000, 7200);
    sheet = w.sheet();
    for (const QPointF p : onNewCircle)
        EXPECT_GT(inkNear(sheet, p.x(), p.y(), kRed), 0) << p.x() << ", " << p.y();
    EXPECT_EQ(w.canvasStored(), sheet);
}

TEST(CircleCommit, AnUpperHalfDraggedRightHasTheLowerHalfAsItsFlipYCopy)
{
    CircleWindow w(4);
    w.setMirrors(false, true, false);
    w.drag({{3000, 3000}, {3900, 4200}});  // radius 1500; pointer.mirrorY = 7200
    const QImage sheet = w.sheet();
    EXPECT_GT(inkNear(sheet, 3000, 1500, kRed), 0);
    EXPECT_EQ(inkNear(sheet, 3000, 4500, kRed, 3), 0);
    EXPECT_GT(inkNear(sheet, 3000, 8700, kRed), 0);
    EXPECT_EQ(inkNear(sheet, 3000, 5700, kRed, 3), 0);
}

} // namespace garabel::test
