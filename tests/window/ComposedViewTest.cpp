#include "support/Figures.h"
#include "support/GridDots.h"
#include "support/ScreenGrab.h"
#include "window/Button.h"
#include "window/ImageBox.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace garabel::test {
namespace {

const QRectF kBox(QPointF(1500, 1200), QPointF(3000, 2100));  // pixels 100..200 x 80..140
const QPoint kDotInBox(120, 100), kDotOutside(20, 20);  // grid points every 20 pixels

// A committed figure lives in the sheet alone; the screen shows it with the
// dots over it, which no sheet and no saved file holds; a switch of sheet, an
// undo and a redo repaint the screen from the sheet shown.
TEST(ComposedView, TheScreenShowsTheSheetWithItsDotsWhichNeverGoIntoTheSheet)
{
    BlankWindow w;
    w.click(*w.probe().gridButtons()[5]);  // red dots every 300 twips
    commitBox(w, kBox, kBlue);
    w.moveInWindow(QPoint(2, 2));  // the crosshair leaves the canvas

    const QImage sheet = w.sheet();
    EXPECT_EQ(pixelAt(sheet, kDotInBox.x(), kDotInBox.y()), kBluePixel) << "the box is in the sheet, under no dot";
    EXPECT_EQ(pixelAt(sheet, kDotOutside.x(), kDotOutside.y()), kWhitePixel) << "no dot in the sheet";
    EXPECT_EQ(canvasOnScreen(w), sheetWithDots(w, 300, kRedPixel)) << "drawn";
    EXPECT_EQ(w.canvas(), canvasOnScreen(w)) << "the probe reads what the screen shows";


    w.click(*w.probe().sheetButtons()[1]);
    EXPECT_EQ(canvasOnScreen(w), sheetWithDots(w, 300, kRedPixel, 1)) << "another sheet, blank under the dots";
    w.click(*w.probe().sheetButtons()[0]);
    EXPECT_EQ(canvasOnScreen(w), sheetWithDots(w, 300, kRedPixel)) << "back to the box";
    w.click(PaletteButton::Undo);
    EXPECT_EQ(pixelAt(canvasOnScreen(w), kDotInBox.x() + 1, kDotInBox.y()), kWhitePixel) << "undone";
    EXPECT_EQ(canvasOnScreen(w), sheetWithDots(w, 300, kRedPixel)) << "undone";
    w->onRedo();
    EXPECT_EQ(canvasOnScreen(w), sheetWithDots(w, 300, kRedPixel, 0)) << "redone";
    EXPECT_EQ(w.sheet(), sheet) << "redone";

    QTemporaryDir dir;
    w.platform.saveAnswers = {dir.filePath("caja.png")};
    w->onPaletteButton(PaletteButton::Save);
    EXPECT_EQ(QImage(dir.filePath("caja.png")).convertToFormat(QImage::Format_RGB32), sheet) << "saved without dots";
}

// Before any sheet is shown whole the start-up picture stays around the tiles
// drawn on; the help page hides the drawing and the dots, and its leaving shows both.
TEST(ComposedView, TheStartUpPictureAndTheHelpPageLieUnderOrInsteadOfTheSheet)
{
    GarabelWindow w;
    const QImage start = canvasOnScreen(w);
    commitBox(w, kBox, kBlue);
    w.moveInWindow(QPoint(2, 2));
    QImage expected = start.copy();
    QPainter painter(&expected);
    painter.fillRect(QRect(QPoint(100, 80), QPoint(200, 140)), QColor(kBluePixel));
    painter.end();
    EXPECT_EQ(canvasOnScreen(w), expected) << "the box over the picture";

    w.click(*w.probe().gridButtons()[5]);
    w.click(PaletteButton::Help);
    const QImage page = w.probe().helpPicture().picture();
    EXPECT_EQ(pixelAt(canvasOnScreen(w), kDotInBox.x(), kDotInBox.y()), pixelAt(page, kDotInBox.x(), kDotInBox.y()));
    w.click(PaletteButton::Help);
    EXPECT_EQ(w.canvasStored(), sheetWithDots(w, 300, kBlackPixel)) << "the sheet again, dots over it";
    EXPECT_EQ(canvasOnScreen(w), w.canvas()) << "the keyboard's crosshair over them";
}

} // namespace
} // namespace garabel::test
