#include "drawing/Sheets.h"
#include "drawing/SnapshotStore.h"
#include "drawing/UndoRing.h"
#include "raster/Surface.h"

#include "support/SurfaceProbe.h"


#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace garabel::test {
namespace {

// 128 x 64 pixels: two tiles, which a picture of noise fills with pixels of its own.
constexpr int kWidth = 128, kHeight = 64;
constexpr std::size_t kPicture = 2 * 64 * 64 * 4;

QImage noise(unsigned seed)
{
    std::mt19937 random(seed);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            image.setPixel(x, y, 0xFF000000 | random());
    }
    return image;
}

TEST(UndoBudget, PastItsBudgetTheOldestStepsOfAllSheetsGoNeverTheNewestOfOne)
{
    SnapshotStore store;
    store.createSlots(2, 7);
    store.setBudget(3 * kPicture);
    Surface sheets[2];
    for (Surface &sheet : sheets)
        giveInnerSize(sheet, kWidth, kHeight);
    // (sheet, slot) of each capture, each of a new picture.
    const int captures[][2] = {{0, 0}, {0, 1}, {1, 0}, {0, 2}, {1, 1}, {0, 3}};
    unsigned seed = 0;
    for (const auto &[sheet, slot] : captures) {
        sheets[sheet].setPicture(noise(++seed));
        store.capture(sheet, slot, sheets[sheet]);
        store.settleCapture();
        EXPECT_LE(store.tileBytes(), 3 * kPicture);
    }
    EXPECT_EQ(store.tileBytes(), 3 * kPicture);
    EXPECT_LE(store.peakTileBytes(), 3 * kPicture) << "nor in the middle of a capture";
    // The first three captures went, oldest first; sheet 1 kept its newest.
    for (const auto &[sheet, slot] : {std::pair(0, 0), std::pair(0, 1), std::pair(1, 0)}) {
        EXPECT_TRUE(store.givenUp(sheet, slot)) << sheet << "," << slot;
        EXPECT_FALSE(store.hasPicture(sheet, slot));
    }
    EXPECT_EQ(store.picture(0, 2), noise(4));
    EXPECT_EQ(store.picture(1, 1), noise(5));
    EXPECT_EQ(store.picture(0, 3), noise(6));

    store.setBudget(0);
    EXPECT_TRUE(store.givenUp(0, 2));
    EXPECT_EQ(store.picture(1, 1), noise(5)) << "the newest of a sheet stays over any budget";
    EXPECT_EQ(store.picture(0, 3), noise(6));
    EXPECT_EQ(store.tileBytes(), 2 * kPicture);

    // A capture taken back leaves picture 7 in the sheet's own record only,
    // until a restore lets it go.
    sheets[0].setPicture(noise(7));
    store.capture(0, 4, sheets[0]);
    store.withdrawCapture(0, 4);
    store.settleCapture();
    EXPECT_EQ(store.tileBytes(), 3 * kPicture);
    store.restore(0, 3, sheets[0]);
    EXPECT_EQ(sheets[0].image(), noise(6));
    EXPECT_EQ(store.tileBytes(), 2 * kPicture);
}

// The undo ring over one sheet, as the window has it.
struct OneSheetRing {
    OneSheetRing()
    {
        auto sheet = std::make_unique<Surface>();
        giveInnerSize(*sheet, kWidth, kHeight);
        sheets.add(std::move(sheet));
    }
    Sheets sheets;
    UndoRing ring{sheets};
};

TEST(UndoBudget, UndoStopsAtTheOldestStepKeptWithinTheBudget)
{
    OneSheetRing r;
    r.ring.setMemoryBudget(3 * kPicture);
    Surface &sheet = r.sheets.current();
    for (unsigned n = 1; n <= 5; ++n) {  // the pushes keep pictures 3, 4 and 5
        sheet.setPicture(noise(n));
        r.ring.push();
    }
    sheet.setPicture(noise(6));
    r.ring.undo();  // keeps picture 6 for coming back, and so gives up picture 3
    EXPECT_EQ(sheet.image(), noise(5));
    r.ring.undo();
    EXPECT_EQ(sheet.image(), noise(4));
    EXPECT_EQ(r.ring.position(0), 3);
    for (int more = 0; more < 3; ++more) {
        r.ring.undo();
        EXPECT_EQ(r.ring.position(0), 3);
        EXPECT_EQ(sheet.image(), noise(4));
    }
}

// The steps between given up to the budget, redo comes straight back to the
// newest, never to a blank sheet in their place.
TEST(UndoBudget, RedoPassesOverTheStepsGivenUpToTheNewest)
{
    OneSheetRing r;
    Surface &sheet = r.sheets.current();
    for (unsigned n = 1; n <= 4; ++n) {
        sheet.setPicture(noise(n));
        r.ring.push();
    }
    sheet.setPicture(noise(5));
    for (int step = 0; step < 3; ++step)
        r.ring.undo();
    ASSERT_EQ(sheet.image(), noise(2));
    r.ring.setMemoryBudget(0);
    r.ring.redo();
    EXPECT_EQ(sheet.image(), noise(5));
    EXPECT_EQ(r.ring.redoSteps(0), 0);
}

} // namespace
} // namespace garabel::test
