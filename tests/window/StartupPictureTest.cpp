#include "desktop/SurfaceView.h"
#include "support/GarabelWindow.h"
#include "window/ButtonPictures.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace garabel::test {
namespace {

// The start-up picture is held at its own size, not copied into an image of
// the whole canvas, until something is drawn; the screen shows it all the same.
TEST(StartupPicture, IsShownAtItsOwnSizeUntilSomethingIsDrawn)
{
    GarabelWindow w;
    const ShownSurface &canvas = w.probe().canvas();
    EXPECT_EQ(canvas.shownPicture().size(), QSize(kStartupPictureWidth, kStartupPictureHeight));
    QCoreApplication::processEvents();
    const QImage viewed = w.probe().canvasView()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(canvas.shownPicture().isNull()) << "showing it made no canvas-sized image";
    EXPECT_EQ(viewed.copy(QRect(SurfaceView::innerOrigin(), canvas.innerPixelSize())), w.canvas());

    w.drag({{300, 300}, {1800, 300}});
    EXPECT_EQ(canvas.shownPicture().size(), QSize(kStartupPictureWidth, kStartupPictureHeight))
        << "the drawing went into the sheet, not into an image of the canvas";
    // The picture stays under the line, also beside it in the tiles it
    // crosses; the crosshair, where the drag ended, is left out.
    const auto withoutCrosshair = [](QImage image) {
        for (int y = 0; y < 60; ++y) {
            for (int x = 90; x < 160; ++x)
                image.setPixel(x, y, 0xFF123456);
        }
        return image;
    };
    QImage expected = startupPicture();
    for (int x = 20; x <= 120; ++x)
        expected.setPixel(x, 20, 0xFF000000);
    expected = withoutCrosshair(expected);
    EXPECT_EQ(withoutCrosshair(w.canvas().copy(expected.rect())), expected);
    QCoreApplication::processEvents();
    const QImage screen = w.probe().canvasView()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(withoutCrosshair(screen.copy(QRect(SurfaceView::innerOrigin(), expected.size()))), expected)
        << "what the screen shows";
}

} // namespace
} // namespace garabel::test
