#include "desktop/SurfaceView.h"
#include "raster/ShownSurface.h"

#include "support/PaintWatch.h"
#include "support/SurfaceProbe.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace garabel::test {
namespace {


// A shown view of a 200 x 150 pixel surface placed at (100, 50) pixels.
class SurfaceViewTest : public ::testing::Test
{
protected:
    SurfaceViewTest()
    {
        surface.setLeft(1500);
        surface.setTop(750);
        giveInnerSize(surface, 200, 150);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    QImage grabbed() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    ShownSurface surface;
    SurfaceView view{surface};
};

TEST_F(SurfaceViewTest, PlacesItselfFromTheSurfaceTwips)
{
    EXPECT_EQ(view.geometry(), QRect(100, 50, 202, 152));
    surface.setWidth(4500);
    surface.setLeft(300);
    EXPECT_EQ(view.geometry(), QRect(20, 50, 300, 152));
}

struct ButtonCase {
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    int buttonBit, shiftBits;
};

class SurfaceViewMouse : public SurfaceViewTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(SurfaceViewMouse, ReportsTheInnerAreaInTwipsWithButtonAndShiftBits)
{
    const ButtonCase c = GetParam();
    const double unit = kTwipsPerPixel;
    QSignalSpy pressed(&view, &SurfaceView::mousePressed);
    QSignalSpy moved(&view, &SurfaceView::mouseMoved);
    QSignalSpy released(&view, &SurfaceView::mouseReleased);
    QTest::mousePress(&view, c.button, c.modifiers, QPoint(11, 21));
    QTest::mouseMove(&view, QPoint(31, 6));
    QTest::mouseRelease(&view, c.button, c.modifiers, QPoint(1, 1));

    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0), (QList<QVariant>{c.buttonBit, c.shiftBits, 10 * unit, 20 * unit}));
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_EQ(moved.last().at(0).toInt(), c.buttonBit);
    EXPECT_EQ(moved.last().at(2).toDouble(), 30 * unit);
    EXPECT_EQ(moved.last().at(3).toDouble(), 5 * unit);
    ASSERT_EQ(released.count(), 1);
    EXPECT_EQ(released.at(0), (QList<QVariant>{c.buttonBit, c.shiftBits, 0.0, 0.0}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, SurfaceViewMouse, ::testing::Values(
    ButtonCase{Qt::LeftButton, Qt::NoModifier, 1, 0}, ButtonCase{Qt::RightButton, Qt::ShiftModifier, 2, 1},
    ButtonCase{Qt::MiddleButton, Qt::ControlModifier, 4, 2},
    ButtonCase{Qt::LeftButton, Qt::AltModifier | Qt::ShiftModifier, 1, 5}));

TEST_F(SurfaceViewTest, ShowsAFrameTheStoredImageAndTheOverlay)
{
    const Pen pen{.fillPattern = FillDiagonalCross, .fillColour = kRed};
    surface.stored(pen, Units::Pixels).line(10, 10, 150, 10, kBlue);
    surface.overlay(pen, Units::Pixels).box(20, 30, 120, 100, kRed);

    const QImage whole = grabbed();
    EXPECT_EQ(rgbAt(whole, 0, 0), 0x404040u);
    EXPECT_EQ(rgbAt(whole, 201, 151), 0x404040u);
    EXPECT_EQ(whole.copy(1, 1, 200, 150), surface.composedImage());
    EXPECT_EQ(rgbAt(whole, 51, 31), kRed);
    surface.refresh();
    EXPECT_EQ(grabbed().copy(1, 1, 200, 150), surface.renderedImage());
}

TEST_F(SurfaceViewTest, RepaintsOnlyAroundWhatChanged)
{
    QCoreApplication::processEvents();
    const PaintWatch watch(view);
    const Pen pen;
    surface.overlay(pen, Units::Pixels).pset(100, 70, kRed);
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch.painted.contains(QPoint(101, 71)));
    // The 64-pixel cell around the dot, not the whole view.
    EXPECT_TRUE(QRect(65, 65, 64, 64).contains(watch.painted.boundingRect()));
}

} // namespace
} // namespace garabel::test
