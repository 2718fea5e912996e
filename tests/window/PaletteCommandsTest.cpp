#include "raster/ShownSurface.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/GridDots.h"
#include "window/Button.h"
#include "window/ImageBox.h"
#include "window/PaletteCommands.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include <sys/stat.h>

namespace garabel::test {

namespace {
const QRectF kBox(3000, 1500, 600, 450);
const QRectF kOtherBox(600, 600, 900, 600);
const QString kQuitQuestion = QStringLiteral("Quieres salir del programa");

bool showsBox(const QImage &image, const QRectF &box)
{
    return pixelAtTwips(image, box.center().x(), box.center().y()) == kRedPixel;
}

} // namespace

TEST(Printing, SendsWhatTheCanvasStores)
{
    BlankWindow w;
    commitBox(w, kBox, kRed);
    w.click(*w.probe().gridButtons()[3]);
    w.move(3000, 3000);  // the crosshair, on the overlay only
    const QImage stored = w.canvasStored();

    w.click(PaletteButton::Print);
    ASSERT_EQ(w.platform.printedPages.size(), 1u);
    EXPECT_EQ(w.platform.endedDocuments, 1);
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(w.platform.printedPages.front().picture, stored) << "box and dots, without the overlay";
    EXPECT_EQ(w.canvas(), stored) << "the canvas keeps what it showed as its picture";
    EXPECT_EQ(w.state().tool, PaletteButton::Line);
}

TEST(Printing, ThePageTurnsWithTheCanvasWhichFillsItCentredInItsOwnShape)
{
    struct Case {
        QSize screenPixels;
        bool landscape;
    };
    for (const Case c : {Case{{1920, 1080}, true}, Case{{768, 1024}, false}}) {
        GarabelWindow w(c.screenPixels * 15);
        w.click(PaletteButton::Print);
        ASSERT_EQ(w.platform.printedPages.size(), 1u);
        const auto &page = w.platform.printedPages.front();
        SCOPED_TRACE(::testing::Message() << c.screenPixels.width() << " x " << c.screenPixels.height());
        EXPECT_EQ(page.landscape, c.landscape);
        const QSizeF area = c.landscape ? w.platform.portraitPrintableTwips.transposed()
                                        : w.platform.portraitPrintableTwips;
        const QSize canvas = w.probe().canvas().innerPixelSize();
        EXPECT_TRUE(QRectF(QPointF(), area).contains(page.twips.adjusted(0.01, 0.01, -0.01, -0.01)));
        EXPECT_NEAR(page.twips.center().x(), area.width() / 2, 0.01);
        EXPECT_NEAR(page.twips.center().y(), area.height() / 2, 0.01);
        EXPECT_NEAR(page.twips.width() / page.twips.height(), double(canvas.width()) / canvas.height(), 1e-9);
        EXPECT_TRUE(qFuzzyCompare(page.twips.width(), area.width()) || qFuzzyCompare(page.twips.height(), area.height()))
            << "touches two sides of the printable area";
    }
}

TEST(Printing, WithoutAPrinterAYesWritesTheSamePageToAPdfFile)
{
    BlankWindow w;
    w.click(PaletteButton::Print);
    ASSERT_EQ(w.platform.printedPages.size(), 1u);
    const FakePlatform::PrintedPage onPrinter = w.platform.printedPages.front();
    w.platform.printedPages.clear();

    w.platform.hasPrinter = false;
    w.platform.messageAnswers = {MessageAnswer::Yes};
    w.platform.saveAnswers = {QStringLiteral("/tmp/hojas/dibujo.pdf")};
    w.click(PaletteButton::Print);

    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].first, QStringLiteral("No hay ninguna impresora disponible.\n"
                                                           "¿Quieres guardar el dibujo como documento PDF?"));
    EXPECT_EQ(w.platform.messages[0].second, MessageButtons::YesNo);
    ASSERT_EQ(w.platform.saveRequests.size(), 1u);
    EXPECT_EQ(w.platform.saveRequests[0].filters.at(0).pattern, QStringLiteral("*.pdf"));
    EXPECT_EQ(w.platform.saveRequests[0].defaultSuffix, QStringLiteral("pdf"));
    ASSERT_EQ(w.platform.printedPages.size(), 1u);
    const auto &inFile = w.platform.printedPages.front();
    EXPECT_EQ(inFile.pdfFile, QStringLiteral("/tmp/hojas/dibujo.pdf"));
    EXPECT_EQ(inFile.landscape, onPrinter.landscape);
    EXPECT_EQ(inFile.twips, onPrinter.twips);
    EXPECT_EQ(inFile.picture, onPrinter.picture);
}

// A FIFO chosen as the PDF is refused before any job starts (opening it would block).
TEST(Printing, ADeclinedPdfARefusedFileOrAFailingPrintLosesNothingAndIsTold)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("tubo.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    BlankWindow w;
    commitBox(w, kBox, kRed);
    const QImage before = w.canvasStored();  // without the crosshair the drag left
    w.platform.hasPrinter = false;
    w.click(PaletteButton::Print);  // the PDF offer answered No
    w.platform.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
    w.click(PaletteButton::Print);  // the file dialog cancelled
    w.platform.saveAnswers = {fifo};
    w.click(PaletteButton::Print);
    w.platform.hasPrinter = true;
    w.platform.printFails = true;
    w.click(PaletteButton::Print);

    EXPECT_TRUE(w.platform.printedPages.empty());
    EXPECT_EQ(w.platform.endedDocuments, 0);
    EXPECT_EQ(w.platform.saveRequests.size(), 2u);
    ASSERT_EQ(w.platform.messages.size(), 5u);
    EXPECT_EQ(w.platform.messages[3].first,
              QStringLiteral("No se ha podido guardar el dibujo en «%1»: No es un fichero normal, "
                             "sino un dispositivo, una tubería o un socket").arg(fifo));
    EXPECT_EQ(w.platform.messages[4], std::make_pair(QStringLiteral("La impresora no responde"), MessageButtons::Ok));
    EXPECT_EQ(w.canvas(), before);
    EXPECT_EQ(w.sheet(), before);
}

TEST(ClearSheet, EmptiesTheCanvasAndOnlyTheCurrentSheet)
{
    BlankWindow w;
    commitBox(w, kBox, kRed);
    w.click(*w.probe().sheetButtons()[1]);
    commitBox(w, kOtherBox, kRed);
    w.click(*w.probe().gridButtons()[3]);
    w.click(PaletteButton::Polygon);

    w.click(PaletteButton::Clear);
    EXPECT_TRUE(isAllWhite(w.sheet(1)));
    EXPECT_EQ(w.canvas(), sheetWithDots(w, 200, kRedPixel)) << "the figure gone, the dots kept";
    EXPECT_EQ(w.state().tool, PaletteButton::Polygon);
    EXPECT_EQ(w.state().grid.step, 200);

    w.click(*w.probe().sheetButtons()[0]);
    EXPECT_TRUE(showsBox(w.canvas(), kBox));
    EXPECT_EQ(w.canvas(), sheetWithDots(w, 200, kRedPixel, 0));
}

TEST(ClearSheet, OneUndoRightAfterBringsBackTheDrawingAsItWas)
{
    BlankWindow w;
    commitBox(w, kBox, kRed);
    commitBox(w, kOtherBox, kRed);
    const QImage before = w.sheet();

    w.click(PaletteButton::Clear);
    ASSERT_TRUE(isAllWhite(w.sheet()));
    w.click(PaletteButton::Undo);
    EXPECT_EQ(w.sheet(), before) << "both figures, not only the first";
    EXPECT_EQ(w.canvas(), before);
}

TEST(ClearSheet, AnEraserStrokeRightAfterAClearStillReachesTheSheet)
{
    GarabelWindow w;
    w.click(*w.probe().sheetButtons()[0]);
    commitBox(w, QRectF(0, 0, 6000, 3000), rgb(0, 0, 255));
    w.click(PaletteButton::Clear);
    commitBox(w, QRectF(0, 0, 6000, 3000), rgb(0, 0, 255));
    w.click(PaletteButton::Eraser);
    w.click(*w.probe().eraserSizeButtons()[5]);
    w.drag({QPointF(3000, 1500), QPointF(3000, 1530)});
    EXPECT_EQ(pixelAtTwips(w.sheet(), 3000, 1500), kWhitePixel);
    EXPECT_EQ(pixelAtTwips(w.canvasStored(), 3000, 1500), kWhitePixel);
}

TEST(HelpButton, ShowsTheHelpPageOnTheCanvasOnly)
{
    BlankWindow w;
    commitBox(w, kBox, kRed);
    const QImage sheetBefore = w.sheet();
    w.click(PaletteButton::Help);

    QImage expected = w.sheet(1);  // a blank canvas with the page at its own size
    QPainter(&expected).drawImage(0, 0, w.probe().helpPicture().picture());
    EXPECT_EQ(w.canvas(), expected);
    EXPECT_EQ(w.sheet(), sheetBefore);
}

TEST(HelpButton, ThePageGoesWithASheetSwitchAnUndoOrAGridPress)
{
    const std::pair<const char *, std::function<void(GarabelWindow &)>> ways[] = {
        {"sheet switch", [](GarabelWindow &w) { w.click(*w.probe().sheetButtons()[0]); }},
        {"undo", [](GarabelWindow &w) { w.click(PaletteButton::Undo); }},
        {"grid press", [](GarabelWindow &w) { w.click(*w.probe().gridButtons()[5]); }},
    };
    for (const auto &[name, leaveHelp] : ways) {
        BlankWindow w;
        w.click(PaletteButton::Help);
        ASSERT_FALSE(isAllWhite(w.canvas()));
        leaveHelp(w);
        const QImage canvas = w.canvas();
        // Nothing but grid dots (every 300 twips, 20 pixels) may be left on the canvas.
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (pixelAt(canvas, x, y) != kWhitePixel) {
                    ASSERT_TRUE(x % 20 == 0 && y % 20 == 0) << name << " left (" << x << ", " << y << ")";
                }
            }
        }
    }
}

// The page goes with a press on it, Escape or a second press of help, and
// the drawing comes back as it was shown, dots included. The press draws
// nothing: the drag that follows it commits nothing, and the sheet and its
// undo ring are as they were.
TEST(HelpButton, APressOnThePageEscapeOrHelpAgainGivesTheDrawingBack)
{
    const std::pair<const char *, std::function<void(GarabelWindow &)>> ways[] = {
        {"a drag on the page", [](GarabelWindow &w) { w.drag({{1500, 1500}, {4500, 3000}}); }},
        {"Escape", [](GarabelWindow &w) { w.key(Qt::Key_Escape, Qt::NoModifier); }},
        {"help again", [](GarabelWindow &w) { w.click(PaletteButton::Help); }},
    };
    for (const auto &[name, leaveHelp] : ways) {
        BlankWindow w;
        ASSERT_TRUE(w.takeKeys());
        commitBox(w, kBox, kRed);
        w.click(*w.probe().gridButtons()[3]);
        const QImage shown = w.canvasStored(), sheet = w.sheet();
        const int position = w.probe().undoRing().position(0);

        w.click(PaletteButton::Help);
        QImage page = w.sheet(1);
        QPainter(&page).drawImage(0, 0, w.probe().helpPicture().picture());
        ASSERT_EQ(w.canvas(), page) << "the page alone, without dots";
        leaveHelp(w);
        EXPECT_EQ(w.canvasStored(), shown) << name;
        EXPECT_EQ(w.sheet(), sheet) << name;
        EXPECT_EQ(w.probe().undoRing().position(0), position) << name;
        EXPECT_EQ(w.probe().undoRing().redoSteps(0), 0) << name;
    }
}

TEST(Quit, AnsweredNoLeavesEverythingAsItWas)
{
    BlankWindow w;
    w.click(PaletteButton::Polygon);
    commitBox(w, kBox, kRed);
    const QImage canvas = w.canvas();

    w.click(PaletteButton::Quit);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].first, kQuitQuestion + "\nHay una hoja con dibujos sin guardar: 1.");
    EXPECT_EQ(w.platform.messages[0].second, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(w.platform.quitCalls, 0);
    EXPECT_EQ(w.state().tool, PaletteButton::Polygon);
    EXPECT_TRUE(w.probe().polygonModeButtons()[0]->visible());
    EXPECT_EQ(w.canvas(), canvas);
    EXPECT_TRUE(w->isVisible());
}

TEST(Quit, YesEndsTheProgramAndTheWindowThenClosesWithoutAskingAgain)
{
    BlankWindow w;
    w.platform.messageAnswers = {MessageAnswer::Yes};
    w.click(PaletteButton::Quit);
    EXPECT_EQ(w.platform.quitCalls, 1);
    EXPECT_TRUE(w->close());
    EXPECT_EQ(w.platform.messages.size(), 1u);
}

TEST(Quit, ClosingTheWindowAsksTheSameQuestionAndNoKeepsIt)
{
    BlankWindow w;
    w.platform.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w.platform.quitCalls, 0);
    EXPECT_TRUE(w->close());
    EXPECT_EQ(w.platform.quitCalls, 1);
    ASSERT_EQ(w.platform.messages.size(), 2u);
    EXPECT_EQ(w.platform.messages[1].first, kQuitQuestion);
}

TEST(PaletteCommand, RunningOutOfMemoryIsToldAndNoOtherExceptionIsSwallowed)
{
    FakePlatform platform;
    runPaletteCommand(platform, [] { throw std::bad_alloc(); });
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              std::pair(QStringLiteral("No hay memoria suficiente para terminar la orden."), MessageButtons::Ok));
    EXPECT_THROW(runPaletteCommand(platform, [] { throw std::runtime_error("fallo"); }), std::runtime_error);
    EXPECT_EQ(platform.messages.size(), 1u);
}

} // namespace garabel::test
