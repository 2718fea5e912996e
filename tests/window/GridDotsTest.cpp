#include "desktop/SurfaceView.h"
#include "files/PictureFile.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/GridDots.h"
#include "support/PaintWatch.h"
#include "window/Button.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
const QRectF kBox(3000, 1500, 600, 450);
const QRectF kOtherBox(600, 600, 900, 600);
constexpr Rgb kBlue = rgb(0, 0, 255);
} // namespace

// Once a grid step is chosen, its dots are over whatever the canvas shows of
// the sheet, in the colour of the moment it was chosen, and never in a sheet
// or a saved file.
TEST(GridDots, StayThroughUndoRedoSheetSwitchSaveOpenAndClear)
{
    QTemporaryDir dir;
    BlankWindow w;  // drawing in red
    w.click(*w.probe().gridButtons()[4]);
    commitBox(w, kBox, kBlue);
    commitBox(w, kOtherBox, kBlue);
    w.pickColour(QPoint(10, 8));  // white, for what comes later
    w.moveFreely(true);           // snapping off: the dots stay all the same
    const auto expectDots = [&w](const char *after) {
        EXPECT_EQ(w.canvas(), sheetWithDots(w, 250, kRedPixel)) << after;
        EXPECT_EQ(countColour(w.sheet(), kRedPixel), 0) << after;
    };

    w.click(PaletteButton::Undo);
    expectDots("undo");
    w->onRedo();
    expectDots("redo");
    w.click(*w.probe().sheetButtons()[1]);
    expectDots("switch to a blank sheet");
    w.click(*w.probe().sheetButtons()[0]);
    expectDots("switch back");

    const QString file = dir.filePath("dibujo.bmp");
    w.platform.saveAnswers = {file};
    w->onPaletteButton(PaletteButton::Save);
    expectDots("save");
    EXPECT_EQ(readPicture(file).value().picture, w.sheet()) << "the file has no dots";

    w.click(*w.probe().sheetButtons()[2]);
    w.platform.openAnswers = {file};
    w->onPaletteButton(PaletteButton::Open);
    expectDots("open");
    w.click(PaletteButton::Clear);
    expectDots("clear");
}

// An undo repaints the tiles that it restored, not the whole canvas, and puts
// the dots back in them.
TEST(GridDots, AnUndoRepaintsOnlyTheTilesItRestored)
{
    BlankWindow w;
    w.click(*w.probe().gridButtons()[0]);
    commitBox(w, kBox, kBlue);
    w.moveInWindow(QPoint(2, 2));  // the pointer's marks leave the canvas
    QTest::qWait(50);

    QRegion painted;
    {
        const PaintWatch watch(*w.probe().canvasView());
        w.click(PaletteButton::Undo);
        QTest::qWait(50);
        painted = watch.painted;
    }
    // The box's pixels lie in the tiles of columns 3 and rows 1 and 2.
    const QRect tiles(QPoint(3 * 64, 64) + SurfaceView::innerOrigin(), QSize(64, 128));
    EXPECT_FALSE(painted.isEmpty());
    EXPECT_TRUE((painted - tiles).isEmpty()) << painted.boundingRect().width() << " x "
                                              << painted.boundingRect().height() << " painted";
    EXPECT_EQ(w.canvas(), sheetWithDots(w, 50, kRedPixel));
}

// The restored tiles are redrawn in runs along each row of tiles; the dot on
// a run's last column (pixel 63, at 950 twips) comes back with the rest.
TEST(GridDots, ARedrawnTileRunKeepsItsRightEdgeDot)
{
    BlankWindow w;
    w.click(*w.probe().gridButtons()[0]);
    commitBox(w, QRectF(300, 300, 300, 300), kBlue);
    w.click(PaletteButton::Undo);
    EXPECT_EQ(w.canvas(), sheetWithDots(w, 50, kRedPixel));
}

} // namespace garabel::test
