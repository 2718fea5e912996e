#include "support/GarabelWindow.h"
#include "support/Pixels.h"
#include "window/ColourStripSwatch.h"
#include "window/ColourStripView.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace garabel::test {

namespace {
// The swatches of the strip shown with a green ring: two pixels of green all
// round the colour, over its frame and the grey beside it.
std::vector<int> ringedSwatches(ColourStripView &strip)
{
    const QImage shown = strip.grab().toImage();
    std::vector<int> ringed;
    for (int i = 0; i < int(strip.swatches().size()); ++i) {
        const QRect colour = strip.swatchRect(i);
        const QRect ring = colour.adjusted(-2, -2, 2, 2);
        const int ringPixels = ring.width() * ring.height() - colour.width() * colour.height();
        if (countColour(shown, kGreenPixel, ring) - countColour(shown, kGreenPixel, colour) == ringPixels)
            ringed.push_back(i);
    }
    return ringed;
}

// The colour the window shows in the middle of the swatch beside the strip.
QRgb shownSwatchColour(GarabelWindow &w)
{
    const QWidget *swatch = w.probe().colourSwatch().widget();
    return w->grab().toImage().pixel(swatch->mapTo(&w.window(), swatch->rect().center()));
}

int swatchOf(const ColourStripView &strip, Rgb colour)
{
    for (int i = 0; i < int(strip.swatches().size()); ++i) {
        if (strip.swatches()[std::size_t(i)].colour == colour)
            return i;
    }
    return -1;
}
} // namespace

TEST(ColourMarks, TheStripRingsTheDrawingColoursSwatchAndTheSwatchBesideItShowsThatColour)
{
    GarabelWindow w;
    ColourStripView &strip = *w.probe().colourStripView();
    const std::vector<int> black{swatchOf(strip, kBlack)};
    EXPECT_EQ(ringedSwatches(strip), black) << "from start-up";
    EXPECT_EQ(shownSwatchColour(w), kBlackPixel);

    w.pickRed();
    EXPECT_EQ(ringedSwatches(strip), std::vector<int>{swatchOf(strip, kRed)});
    EXPECT_EQ(shownSwatchColour(w), kRedPixel);

    // White is on the strip twice: the ring goes round the one clicked.
    std::vector<int> whites;
    for (int i = 0; i < int(strip.swatches().size()); ++i) {
        if (strip.swatches()[std::size_t(i)].colour == kWhite)
            whites.push_back(i);
    }
    ASSERT_EQ(whites.size(), 2u);
    for (const int white : {whites[1], whites[0]}) {
        w.pickColour(strip.swatches()[std::size_t(white)].pixels.center());
        EXPECT_EQ(ringedSwatches(strip), std::vector<int>{white});
    }

    w.chooseColourInDialog(rgb(1, 2, 3));
    EXPECT_EQ(ringedSwatches(strip), std::vector<int>{}) << "a colour that is not on the strip";
    EXPECT_EQ(shownSwatchColour(w), qRgb(1, 2, 3));

    const Rgb teal = rgb(0, 128, 128);
    w.chooseColourInDialog(teal);
    EXPECT_EQ(ringedSwatches(strip), std::vector<int>{swatchOf(strip, teal)}) << "the dialog's colour on the strip";
    EXPECT_EQ(shownSwatchColour(w), toQRgb(teal));
}

// The keyboard's ring and a screen reader's focus are on the same swatch,
// wherever the arrows take them, also over the swatch of the drawing colour.
TEST(ColourMarks, TheStripsFocusedSwatchIsTheMarkedOne)
{
    GarabelWindow w;
    ASSERT_TRUE(w.takeKeys());
    ColourStripView *strip = w.probe().colourStripView();
    strip->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(strip->hasFocus());
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(strip);
    const int count = int(strip->swatches().size());
    const int black = swatchOf(*strip, kBlack);
    const auto expectOnlyAt = [&](int expected) {
        const QImage shown = strip->grab().toImage();
        std::vector<int> ringed, focused;
        for (int i = 0; i < count; ++i) {
            if (shown.pixel(strip->swatchRect(i).topLeft() - QPoint(2, 2)) == kWhitePixel)
                ringed.push_back(i);
            if (reader->child(i)->state().focused)
                focused.push_back(i);
        }
        EXPECT_EQ(ringed, std::vector<int>{expected});
        EXPECT_EQ(focused, std::vector<int>{expected});
        EXPECT_EQ(reader->focusChild(), reader->child(expected));
    };
    expectOnlyAt(0);
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_End, count - 1}, {Qt::Key_Left, count - 2}, {Qt::Key_Home, 0}};
    for (const auto &[key, expected] : steps) {
        QTest::keyClick(strip, key);
        expectOnlyAt(expected);
    }
    for (int i = 0; i < black; ++i)
        QTest::keyClick(strip, Qt::Key_Right);
    expectOnlyAt(black);
}

} // namespace garabel::test
