#include "raster/Surface.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

// Blank sheet 0, drawing red with the circle tool in `mode`. The canvas centre
// is (6900, 5100) and the grid step 300, so the points below stay where they are.
struct CircleWindow : GarabelWindow {
    explicit CircleWindow(int mode)
    {
        click(*probe().sheetButtons()[0]);
        pickRed();
        chooseTool(PaletteButton::Circle);
        window().onCircleKindButton(mode);
    }
};

// The red pixels of an image, leaving out the crosshair's square around the pointer.
QImage redOutside(const QImage &image, QPointF pointer)
{
    QImage red(image.size(), QImage::Format_Mono);
    red.fill(0);
    const QRect crosshair(pixelOfTwips(pointer.x(), pointer.y()) - QPoint(30, 30), QSize(61, 61));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (pixelAt(image, x, y) == kRedPixel && !crosshair.contains(x, y))
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
            EXPECT_EQ(countColour(w.sheet(), kRedPixel), 0);
            w.release(pointer.x(), pointer.y());

            const QImage sheet = w.sheet();
            EXPECT_GT(countColour(sheet, kRedPixel), 100) << "mode " << mode;
            EXPECT_EQ(redOutside(sheet, pointer), preview) << "mode " << mode << " to " << pointer.x();
            EXPECT_EQ(w.canvasStored(), sheet) << "mode " << mode << " to " << pointer.x();
        }
    }
}

TEST(CircleCommit, AnUpperHalfDraggedRightHasTheLowerHalfAsItsFlipYCopy)
{
    CircleWindow w(4);
    w.setMirrors(false, true, false);
    w.drag({{3000, 3000}, {3900, 4200}});  // radius 1500; the anchor reflects to y 7200
    const QImage sheet = w.sheet();
    EXPECT_GT(inkNearTwips(sheet, 3000, 1500, kRedPixel), 0);
    EXPECT_EQ(inkNearTwips(sheet, 3000, 4500, kRedPixel, 3), 0);
    EXPECT_GT(inkNearTwips(sheet, 3000, 8700, kRedPixel), 0);
    EXPECT_EQ(inkNearTwips(sheet, 3000, 5700, kRedPixel, 3), 0);
}

} // namespace garabel::test
