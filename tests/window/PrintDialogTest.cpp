#include "support/Figures.h"
#include "support/GarabelWindow.h"

#include <gtest/gtest.h>

namespace garabel::test {

TEST(PrintDialog, CancelPrintsNothingAndSaysNothing)
{
    BlankWindow w;
    commitBox(w, QRectF(3000, 1500, 600, 450), kRed);
    const QImage before = w.canvasStored();
    w.platform.printDialogAnswers = {std::nullopt};

    w.click(PaletteButton::Print);
    EXPECT_EQ(w.platform.printDialogOffers, std::vector<bool>{true}) << "the canvas is wider than high";
    EXPECT_TRUE(w.platform.printedPages.empty());
    EXPECT_EQ(w.platform.endedDocuments, 0);
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_TRUE(w.platform.saveRequests.empty()) << "no PDF offer";
    EXPECT_EQ(w.canvas(), before);
}

TEST(PrintDialog, ThePageTurnedInTheDialogIsFilledAsItLies)
{
    GarabelWindow w(QSize(1920, 1080) * 15);
    w.platform.printDialogAnswers = {false};  // the user turns the offered landscape page upright

    w.click(PaletteButton::Print);
    ASSERT_EQ(w.platform.printedPages.size(), 1u);
    const auto &page = w.platform.printedPages.front();
    const QSizeF area = w.platform.portraitPrintableTwips;
    EXPECT_FALSE(page.landscape);
    EXPECT_NEAR(page.twips.width(), area.width(), 0.01) << "a wide canvas spans an upright page";
    EXPECT_NEAR(page.twips.center().y(), area.height() / 2, 0.01);
}

} // namespace garabel::test
