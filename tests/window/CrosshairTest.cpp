#include "desktop/SurfaceView.h"
#include "support/CanvasKeys.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"

#include <QAccessible>

#include <cmath>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
// Pixels of `colour` within five of the crosshair's centre, at canvas twips (x, y).
int shownAround(const GarabelWindow &w, double x, double y, QRgb colour)
{
    return countColour(w.canvas(), colour, QRect(pixelOfTwips(x, y) - QPoint(5, 5), QSize(11, 11)));
}
} // namespace

// A thin edge of a contrasting colour goes round it: white by dark colours,
// black by light ones.
TEST(Crosshair, IsSeenOverAFillOfItsOwnColour)
{
    BlankWindow w;
    w->onFillPatternButton(FillSolid);
    w.chooseTool(PaletteButton::Fill);
    w.drag({{3000, 3000}});
    ASSERT_EQ(pixelAtTwips(w.canvas(), 4500, 4500), kRedPixel);
    w.move(4500, 4500);
    EXPECT_GE(shownAround(w, 4500, 4500, kWhitePixel), 20) << "red over red";

    w.click(*w.probe().sheetButtons()[1]);
    w.pickColour(QPoint(7, 8));  // the first white swatch
    w.move(3000, 3000);
    EXPECT_GE(shownAround(w, 3000, 3000, kBlackPixel), 20) << "white over a blank sheet";
}

// Moving freely the arrows go a pixel at a time; however far they are pressed,
// the crosshair stops on the canvas's last column and row, and back on the
// grid, on the last grid point before them.
TEST(Crosshair, TheKeyboardCrosshairNeverPassesTheLastPixel)
{
    BlankWindow w;
    CanvasKeys keys(w);
    ASSERT_TRUE(keys.focus());
    const QSize inner = w.probe().canvas().innerPixelSize();
    const QPointF last((inner.width() - 1) * kTwipsPerPixel, (inner.height() - 1) * kTwipsPerPixel);
    w.moveFreely(true);
    for (int i = 0; i < inner.width() / 5 + 2; ++i) {
        keys.key(Qt::Key_Right, Qt::ShiftModifier);
        keys.key(Qt::Key_Down, Qt::ShiftModifier);
    }
    keys.key(Qt::Key_Right);
    keys.key(Qt::Key_Down);
    EXPECT_EQ(keys.at(), last);
    EXPECT_EQ(pixelAt(w.canvas(), inner.width() - 1, inner.height() - 1), kRedPixel) << "the crosshair shows there";

    w.moveFreely(false);
    const double step = w.state().grid.step;
    keys.key(Qt::Key_Right);
    keys.key(Qt::Key_Down);
    EXPECT_EQ(keys.at(), QPointF(std::floor(last.x() / step) * step, std::floor(last.y() / step) * step));
}

// A screen reader hears the crosshair's place in grid points, and moving
// freely in pixels: the pixel the pointer is on, one more for each arrow.
TEST(Crosshair, MovingFreelyTheReadersNumbersArePixels)
{
    BlankWindow w;
    CanvasKeys keys(w);
    ASSERT_TRUE(keys.focus());
    QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(w.probe().canvasView());
    w.moveFreely(true);
    w.move(100 * kTwipsPerPixel, 50 * kTwipsPerPixel);
    EXPECT_EQ(canvas->text(QAccessible::Value), QStringLiteral("columna 100, fila 50"));
    keys.key(Qt::Key_Right);
    keys.key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(canvas->text(QAccessible::Value), QStringLiteral("columna 101, fila 55"));
}

} // namespace garabel::test
