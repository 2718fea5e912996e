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
    const QImage drawn = w.canvas();
    const QRect below(0, 100, kStartupPictureWidth, kStartupPictureHeight - 100);
    EXPECT_EQ(drawn.copy(below), startupPicture().copy(below));
    EXPECT_EQ(countRgb(drawn, kBlack, QRect(20, 20, 101, 1)), 101) << "the line over the picture";
}

} // namespace
} // namespace garabel::test
