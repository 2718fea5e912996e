#include "raster/ShownSurface.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"
#include "window/TextBox.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
} // namespace

// A window whose canvas shows the blank sheet 0 (not the start-up picture), with
// red as the drawing colour. The canvas centre is (6900, 5100).
class PointerTracking : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w->onSheetButton(0);
        w.chooseColourInDialog(rgb(255, 0, 0));  // the crosshair keeps the black fore colour
    }
    GarabelWindow w;
};

TEST_F(PointerTracking, PressAndMoveSnapThePointerToTheNearestGridPoint)
{
    // The pointer arrives in whole pixels: 465 is pixel 31, -100 is pixel -7 (-105
    // twips), -200 is pixel -14 (-210 twips); 2250 (pixel 150) lies exactly halfway
    // and goes to the larger point.
    const struct { int step; double x, y; double snappedX, snappedY; } cases[] = {
        {300, 465, 1035, 600, 900}, {300, 600, 2100, 600, 2100}, {300, -100, -400, 0, -300},
        {300, -200, 2250, -300, 2400}, {1, 465, 1035, 465, 1035}, {1, -100, -400, -105, -405},
    };
    w.sendStraightToCanvas();  // presses outside the canvas
    for (const auto &c : cases) {
        w.moveFreely(c.step == 1);
        w.press(c.x, c.y);
        EXPECT_EQ(w.probe().pressedAt().x(), c.snappedX) << c.x << " step " << c.step;
        EXPECT_EQ(w.probe().pressedAt().y(), c.snappedY) << c.y << " step " << c.step;
        const Mirror throughCentre{Reflection::ThroughCentre, QPoint(w.state().grid.centreX, w.state().grid.centreY)};
        EXPECT_EQ(throughCentre(w.probe().pressedAt()), QPointF(2 * 6900 - c.snappedX, 2 * 5100 - c.snappedY));
        w.move(c.x, c.y, Qt::LeftButton);
        EXPECT_EQ(w.probe().pointer().x(), c.snappedX) << c.x << " step " << c.step;
        EXPECT_EQ(w.probe().pointer().y(), c.snappedY) << c.y << " step " << c.step;
        w.release(c.x, c.y);
    }
}

TEST_F(PointerTracking, TheCrosshairShowsTheNearestGridPointBeforeThePress)
{
    w.move(2985, 2115);  // pixel (199, 141): one pixel short of the dot (3000, 2100) across, one past it down
    const QImage shown = w.canvas();
    EXPECT_EQ(countColour(shown, kBlackPixel, QRect(190, 140, 21, 1)), 21) << "the arm along row 140";
    EXPECT_EQ(countColour(shown, kBlackPixel, QRect(200, 131, 1, 21)), 21) << "the arm along column 200";
    EXPECT_EQ(countColour(shown, kBlackPixel, QRect(180, 118, 1, 18)), 0) << "no arm along column 180, the dot before";
}

TEST_F(PointerTracking, HoverShowsOnlyTheCrosshairTwoPixelsWideInTheForeColour)
{
    w.move(3000, 2100);
    // Arms reach grid.step + 100 = 400 twips (27 pixels) from pixel (200, 140).
    const QImage shown = w.canvas();
    EXPECT_EQ(countColour(shown, kBlackPixel, QRect(174, 140, 53, 1)), 53);
    EXPECT_EQ(countColour(shown, kBlackPixel, QRect(200, 114, 1, 53)), 53);
    EXPECT_EQ(countColour(shown, kBlackPixel, QRect(215, 136, 1, 9)), 2);
    EXPECT_EQ(countColour(shown, kBlackPixel, QRect(230, 130, 20, 20)), 0);
    EXPECT_EQ(countColour(w.canvasStored(), kBlackPixel), 0);
}

TEST_F(PointerTracking, FigurePreviewsWithTheirCopiesAreGoneAfterTheNextMove)
{
    w.setMirrors(true, true, true);
    // A point on each figure (anchor 1500, 1200) for the pointer at y: the middle
    // of the line, the middle of the rectangle's lower edge; and its point copy.
    for (const PaletteButton tool : {PaletteButton::Line, PaletteButton::Rectangle}) {
        w.chooseTool(tool);
        const auto onFigure = [tool](double y) { return tool == PaletteButton::Line ? (1200 + y) / 2 : y; };
        w.press(1500, 1200);
        w.move(3000, 2100, Qt::LeftButton);
        const QImage first = w.canvas();
        EXPECT_GT(inkNearTwips(first, 2250, onFigure(2100), kRedPixel), 0) << int(tool);
        EXPECT_GT(inkNearTwips(first, 13800 - 2250, 10200 - onFigure(2100), kRedPixel), 0) << int(tool);

        w.move(3000, 3000, Qt::LeftButton);
        const QImage second = w.canvas();
        EXPECT_EQ(inkNearTwips(second, 2250, onFigure(2100), kRedPixel), 0) << int(tool);
        EXPECT_EQ(inkNearTwips(second, 13800 - 2250, 10200 - onFigure(2100), kRedPixel), 0) << int(tool);
        EXPECT_GT(inkNearTwips(second, 2250, onFigure(3000), kRedPixel), 0) << int(tool);
        EXPECT_GT(inkNearTwips(second, 13800 - 2250, 10200 - onFigure(3000), kRedPixel), 0) << int(tool);
        EXPECT_EQ(countColour(w.canvasStored(), kRedPixel), 0) << int(tool);
        w.release(3000, 3000);
        w->onPaletteButton(PaletteButton::Undo);  // the next figure starts on a blank sheet
    }
}

TEST_F(PointerTracking, FreehandStartsAtTheLastHoverPositionNotAtTheAnchor)
{
    w.sendStraightToCanvas();  // a press away from the last move
    w.chooseTool(PaletteButton::Freehand);
    w.setMirrors(true, false, false);
    w.move(600, 600);
    w.press(3000, 600);
    w.move(3000, 1800, Qt::LeftButton);
    w.move(4200, 1800, Qt::LeftButton);
    for (const QImage &image : {w.canvasStored(), w.sheet()}) {
        EXPECT_GT(inkNearTwips(image, 1800, 1200, kRedPixel), 0);           // hover to first move
        EXPECT_GT(inkNearTwips(image, 13800 - 1800, 1200, kRedPixel), 0);   // and its copy
        EXPECT_GT(inkNearTwips(image, 3600, 1800, kRedPixel), 0);           // first move to second
        EXPECT_EQ(inkNearTwips(image, 3000, 1200, kRedPixel, 3), 0);        // never from the anchor
    }
    EXPECT_EQ(w.canvasStored(), w.sheet());
}

TEST_F(PointerTracking, DotsAreStampedAtEachMoveWithTheirMirrorCopies)
{
    w.chooseTool(PaletteButton::Dots);
    w.setMirrors(false, true, false);
    w.press(1500, 1500);
    w.move(1500, 1530, Qt::LeftButton);  // two pixels on: a move, snapped to the press point
    w.move(3000, 1500, Qt::LeftButton);
    for (const QImage &image : {w.canvasStored(), w.sheet()}) {
        // A dot of pen.dotRadius 50 twips: a ring of about three pixels.
        for (const double x : {1500.0, 3000.0}) {
            EXPECT_GT(inkNearTwips(image, x, 1500, kRedPixel, 4), 0) << x;
            EXPECT_GT(inkNearTwips(image, x, 10200 - 1500, kRedPixel, 4), 0) << x;
            EXPECT_EQ(inkNearTwips(image, 13800 - x, 1500, kRedPixel, 4), 0) << x;
        }
        EXPECT_EQ(inkNearTwips(image, 2250, 1500, kRedPixel, 4), 0);  // between the stamps
    }
    EXPECT_EQ(w.canvasStored(), w.sheet());
}

TEST_F(PointerTracking, EraserWhitensBothSurfacesAndFramesTheErasedSquareWithoutFillingIt)
{
    w->onPenWidthButton(4);
    w->onFillPatternButton(FillSolid);  // a fill pattern must not hide the spot just erased
    w.drag({{1500, 3000}, {6000, 3000}});  // a thick red line to erase from
    ASSERT_EQ(w.sheet().pixel(200, 200), kRedPixel);

    w.chooseTool(PaletteButton::Eraser);
    w->onEraserSizeButton(4);  // 8 pixels to each side
    w.press(3000, 3000);
    w.move(3000, 3030, Qt::LeftButton);  // two pixels on: a move, snapped to the press point
    w.move(3300, 3000, Qt::LeftButton);
    for (const QImage &image : {w.canvasStored(), w.sheet()}) {
        EXPECT_EQ(image.pixel(200, 200), kWhitePixel);
        EXPECT_EQ(image.pixel(220, 200), kWhitePixel);
        EXPECT_EQ(image.pixel(250, 200), kRedPixel);
        EXPECT_EQ(image.pixel(180, 200), kRedPixel);
    }
    // The last square erased pixels 210..230 at this pen; its frame, on the
    // overlay only, runs just outside them.
    const QImage shown = w.canvas();
    EXPECT_EQ(shown.pixel(231, 195), kBlackPixel);
    EXPECT_EQ(shown.pixel(209, 195), kBlackPixel);
    EXPECT_EQ(shown.pixel(230, 195), kWhitePixel);
    EXPECT_EQ(shown.pixel(213, 206), kWhitePixel) << "off the crosshair, inside the frame";
    EXPECT_NE(shown.pixel(232, 195), kBlackPixel);
    EXPECT_EQ(w.canvasStored().pixel(231, 195), kWhitePixel);
}

TEST_F(PointerTracking, WhatFollowsThePointerGoesWhenItLeavesTheCanvas)
{
    w.chooseTool(PaletteButton::Eraser);
    w->onEraserSizeButton(4);
    w.move(3000, 3000);
    ASSERT_NE(w.canvas(), w.canvasStored()) << "crosshair and eraser frame shown";
    w.moveInWindow(QPoint(10, 10));  // onto the palette
    EXPECT_EQ(w.canvas(), w.canvasStored());
}

TEST_F(PointerTracking, TextToolShowsTheTypedTextAtThePointerOnTheOverlay)
{
    w.chooseTool(PaletteButton::Text);
    w.probe().textInput().setText(QStringLiteral("Hola"));
    w.move(3000, 2100);
    const QRect besideThePointer(203, 143, 60, 30);  // clear of the crosshair arms
    EXPECT_GT(countColour(w.canvas(), kBlackPixel, besideThePointer), 0);
    EXPECT_EQ(countColour(w.canvasStored(), kBlackPixel), 0);
}

} // namespace garabel::test
