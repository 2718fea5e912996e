#include "raster/Surface.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/GridDots.h"
#include "support/Pixels.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/Label.h"
#include "window/TextBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

// The blank sheet 0 on the canvas, drawing in red, grid step 300.
struct FillWindow : BlankWindow {
    // Blue from the colour dialog, and the fill tool.
    void fillInBlue()
    {
        chooseColourInDialog(rgb(0, 0, 255));
        chooseTool(PaletteButton::Fill);
    }
};

int notWhite(const QImage &image, const QRect &rect)
{
    return rect.width() * rect.height() - countColour(image, kWhitePixel, rect);
}
} // namespace

TEST(FillAndText, AFillInsideARectangleFillsOnlyItsInsideAndKeepsThePensPattern)
{
    FillWindow w;
    w.chooseTool(PaletteButton::Rectangle);
    w.drag({{1500, 1200}, {3000, 2100}});  // outline on pixels 100..200 x 80..140
    const int outline = countColour(w.sheet(), kRedPixel);
    w.fillInBlue();
    w->onFillPatternButton(FillUpwardDiagonal);
    w.drag({{2250, 1650}});  // halfway, snapped to the larger point (2400, 1800): pixel (160, 120)

    const QRect interior(101, 81, 99, 59);
    for (const QImage &image : {w.canvasStored(), w.sheet()}) {
        EXPECT_EQ(countColour(image, kBluePixel, interior), interior.width() * interior.height());
        EXPECT_EQ(countColour(image, kBluePixel), interior.width() * interior.height()) << "nothing outside";
        EXPECT_EQ(countColour(image, kRedPixel), outline);
    }
    EXPECT_EQ(w.probe().pointer().x(), 2400) << "the pointer stays in twips";
    EXPECT_EQ(w.probe().pointer().y(), 1800);
    EXPECT_EQ(w.state().pen.fillPattern, FillUpwardDiagonal) << "the pattern the pen had";
}

TEST(FillAndText, TheCanvasTakesTheSheetsAreaEvenWhereItShowsGridDots)
{
    // The pointer lands right on a dot (dots are 20 pixels apart), and between
    // dots too the fill takes the sheet's whole area; the dots show over it.
    const struct { double x, y; const char *what; } cases[] = {
        {2250, 1650, "between dots"},
        {2100, 1500, "on a dot"},
    };
    for (const auto &c : cases) {
        FillWindow w;
        w.click(*w.probe().gridButtons()[5]);  // dots every 300 twips, on the canvas only
        ASSERT_GT(notWhite(w.canvasStored(), w.canvasStored().rect()), 0);
        w.fillInBlue();
        w.moveFreely(true);
        w.move(c.x + 15, c.y);  // a move the window system cannot drop as a repeat
        w.move(c.x, c.y);
        w.drag({{c.x, c.y}});

        EXPECT_EQ(w.probe().pointer().x(), c.x) << c.what;
        const QImage sheet = w.sheet();
        EXPECT_EQ(countColour(sheet, kBluePixel), sheet.width() * sheet.height()) << c.what;
        EXPECT_EQ(w.canvasStored(), sheetWithDots(w, 300, kRedPixel)) << c.what;
    }
}

// A double click fills the area once, and the figures drawn after a fill, on
// this sheet or another, are outlines as before.
TEST(FillAndText, ADoubleClickFillsOnceAndLaterRectanglesStayOutlines)
{
    FillWindow w;
    w.chooseTool(PaletteButton::Rectangle);
    w.drag({{1500, 1200}, {3000, 2100}});  // outline on pixels 100..200 x 80..140
    w.fillInBlue();
    w.move(2250, 1650);
    w.doubleClick(2250, 1650);
    const QRect interior(101, 81, 99, 59);
    EXPECT_EQ(countColour(w.sheet(), kBluePixel), interior.width() * interior.height());
    EXPECT_EQ(w.probe().undoRing().position(0), 2) << "the second click changed nothing";

    w.chooseTool(PaletteButton::Rectangle);
    w.drag({{4500, 3000}, {6000, 3900}});
    w.click(*w.probe().sheetButtons()[1]);
    w.drag({{4500, 3000}, {6000, 3900}});
    EXPECT_EQ(w.canvasStored(), w.sheet()) << "the canvas draws as the other sheet does";
    w.click(*w.probe().sheetButtons()[0]);
    EXPECT_EQ(w.canvasStored(), w.sheet());
    for (int sheet : {0, 1})
        EXPECT_EQ(notWhite(w.sheet(sheet), QRect(301, 201, 99, 59)), 0) << "sheet " << sheet;
}

TEST(FillAndText, TheSecondTextReleasePrintsTheTypedWordAtThePointerOnCanvasAndSheet)
{
    FillWindow w;
    w->onPaletteButton(PaletteButton::Text);
    w.drag({{1500, 1500}});
    EXPECT_EQ(w.probe().textPreview().caption(), QStringLiteral("Escribe"));
    EXPECT_EQ(w.probe().textPreview().left(), 1505);
    EXPECT_EQ(w.probe().textPreview().top(), 1505);
    EXPECT_EQ(QApplication::focusWidget(), w.probe().textInput().edit());
    EXPECT_EQ(notWhite(w.sheet(), w.sheet().rect()), 0) << "the first release only marks the spot";

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Hola"));
    EXPECT_EQ(w.probe().textPreview().caption(), QStringLiteral("Hola"));
    EXPECT_TRUE(w.probe().textPending());

    w.drag({{3000, 3000}, {4500, 3000}});  // the word's top-left corner at pixel (300, 200)
    for (const QImage &image : {w.canvasStored(), w.sheet()}) {
        EXPECT_GT(notWhite(image, QRect(300, 200, 120, 40)), 0);
        EXPECT_EQ(notWhite(image, QRect(0, 0, image.width(), 200)), 0) << "nothing above";
        EXPECT_EQ(notWhite(image, QRect(0, 0, 300, image.height())), 0) << "nothing to the left";
    }
    EXPECT_EQ(w.canvasStored(), w.sheet());
    EXPECT_EQ(w.probe().textPreview().caption(), QString());
    EXPECT_EQ(w.probe().textPreview().left(), 3005) << "the prompt marks the anchor";
    EXPECT_EQ(w.probe().textInput().text(), QString());
    EXPECT_FALSE(w.probe().textPending());
}

TEST(FillAndText, APolygonDragIsCommittedUnmirroredOnCanvasAndSheet)
{
    FillWindow w;
    w->onPaletteButton(PaletteButton::Polygon);
    w.probe().sideCountList().setText(QStringLiteral("4"));
    w.setMirrors(true, false, false);
    w.drag({{3000, 3000}, {3000, 3900}});  // a diamond with corners 900 twips from the centre

    EXPECT_EQ(w.probe().polygonSideCount(), 4);
    const QImage sheet = w.sheet();
    for (const QPointF edge : {QPointF(3450, 3450), QPointF(3450, 2550), QPointF(2550, 2550), QPointF(2550, 3450)}) {
        EXPECT_GT(inkNearTwips(sheet, edge.x(), edge.y(), kRedPixel), 0) << edge.x() << "," << edge.y();
        EXPECT_EQ(inkNearTwips(sheet, 13800 - edge.x(), edge.y(), kRedPixel), 0) << "never mirrored";
    }
    EXPECT_EQ(countColour(sheet, kRedPixel, QRect(pixelOfTwips(2700, 2700), pixelOfTwips(3300, 3300))), 0) << "never filled";
    EXPECT_EQ(w.canvasStored(), sheet);
}

} // namespace garabel::test
