#include "desktop/SurfaceView.h"
#include "raster/ShownSurface.h"
#include "raster/SplitRgb.h"
#include "support/GarabelWindow.h"
#include "window/Label.h"

#include <QTest>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

// A click on the strip's pixel (x, y): the press picks; the release, which
// does nothing, leaves no button held for later tests.
void pressStrip(GarabelWindow &w, int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(w.probe().colourStripView(), button, Qt::NoModifier, SurfaceView::innerOrigin() + QPoint(x, y));
}

// The colours a pick or the dialog sets, read back from every place they go.
struct Colours {
    Rgb drawing, penFill, pen, label;
    bool operator==(const Colours &) const = default;
    friend void PrintTo(const Colours &c, std::ostream *os)
    {
        *os << std::hex << "drawing " << c.drawing << ", pen fill " << c.penFill << " pen " << c.pen << ", label "
            << c.label;
    }
};

Colours coloursOf(const WindowProbe &look)
{
    const PenState &pen = look.state().pen;
    return {drawingColour(look.state()), pen.fillColour, pen.colour, look.textPreview().foreColor()};
}

Colours everywhere(Rgb colour)
{
    return {colour, colour, colour, colour};
}

} // namespace

TEST(StripPick, APickSetsThePixelUnderThePointerOnThePenAndTheLabel)
{
    const struct { int x, y; Rgb colour; const char *what; } picks[] = {
        {10, 8, rgb(255, 255, 255), "the white swatch"},
        {5, 8, rgb(0, 0, 0), "a swatch's black left edge"},
        {10, 2, rgb(0, 0, 0), "a swatch's black top edge"},
        {18, 8, rgb(192, 192, 192), "a swatch's silver right edge"},
        {10, 15, rgb(192, 192, 192), "a swatch's silver bottom edge"},
        {40, 0, rgb(192, 192, 192), "the silver line over a block"},
        {20, 8, rgb(128, 128, 128), "the grey between two swatches"},
        {700, 17, rgb(128, 128, 128), "the grey after the last block"},
        {524, 8, rgb(0, 128, 255), "a swatch of block 3"},
        {352, 8, rgb(255, 0, 255), "the last column of the cut swatch of block 2"},
        {353, 8, rgb(192, 192, 192), "the silver edge right after it"},
        {635, 10, rgb(153, 51, 0), "a swatch of block 4"},
    };
    GarabelWindow w;
    for (const auto &pick : picks) {
        pressStrip(w, pick.x, pick.y);
        EXPECT_EQ(coloursOf(w.probe()), everywhere(pick.colour)) << pick.what;
    }
    pressStrip(w, 10, 8, Qt::RightButton);
    EXPECT_EQ(coloursOf(w.probe()), everywhere(kWhite)) << "any button picks";
    EXPECT_EQ(splitRgb(drawingColour(w.state())).red, 255);
    EXPECT_EQ(splitRgb(drawingColour(w.state())).green, 255);
    EXPECT_EQ(splitRgb(drawingColour(w.state())).blue, 255);
}

TEST(StripPick, APressOnTheStripsFrameChangesNothing)
{
    GarabelWindow w;
    pressStrip(w, 524, 8);
    const Colours before = coloursOf(w.probe());
    const QSize inner = w.probe().colourStrip().innerPixelSize();
    const QPoint frame[] = {{-1, 8}, {10, -1}, {inner.width(), 8}, {10, inner.height()}};
    for (const QPoint &at : frame) {
        pressStrip(w, at.x(), at.y());
        EXPECT_EQ(coloursOf(w.probe()), before) << at.x() << "," << at.y();
    }
}

TEST(ColourDialog, OkSetsTheDrawingColourAndTheFillColoursOnly)
{
    GarabelWindow w;
    pressStrip(w, 635, 10);  // (153, 51, 0)
    w.platform.colorAnswers.push_back(rgb(18, 52, 86));
    w->onPaletteButton(PaletteButton::ColourDialog);

    ASSERT_EQ(w.platform.colorRequests.size(), 1u);
    const ColorDialogRequest &request = w.platform.colorRequests[0];
    EXPECT_EQ(request.initial, rgb(153, 51, 0)) << "opens on the current colour";
    EXPECT_EQ(request.customColors[0], kBlue);
    EXPECT_EQ(splitRgb(drawingColour(w.state())).red, 18);
    EXPECT_EQ(splitRgb(drawingColour(w.state())).green, 52);
    EXPECT_EQ(splitRgb(drawingColour(w.state())).blue, 86);
    Colours expected = everywhere(rgb(153, 51, 0));
    expected.drawing = expected.penFill = rgb(18, 52, 86);
    EXPECT_EQ(coloursOf(w.probe()), expected);
}

TEST(ColourDialog, CancelChangesNothing)
{
    GarabelWindow w;
    pressStrip(w, 524, 8);
    const Colours before = coloursOf(w.probe());
    w->onPaletteButton(PaletteButton::ColourDialog);
    EXPECT_EQ(w.platform.colorRequests.size(), 1u);
    EXPECT_EQ(coloursOf(w.probe()), before);
}

TEST(SplitRgb, SplitsAPackedColourIntoRedGreenAndBlue)
{
    const struct { Rgb colour; RgbComponents components; } cases[] = {
        {0x000000, {0, 0, 0}},       {0xFFFFFF, {255, 255, 255}}, {rgb(18, 52, 86), {18, 52, 86}},
        {0xFF0000, {0, 0, 255}},     {0x00FF00, {0, 255, 0}},     {0x0000FF, {255, 0, 0}},
        {0x12563412, {0x12, 0x34, 0x56}},  // the byte above blue is ignored
    };
    for (const auto &c : cases) {
        const RgbComponents split = splitRgb(c.colour);
        EXPECT_EQ(std::tuple(split.red, split.green, split.blue),
                  std::tuple(c.components.red, c.components.green, c.components.blue)) << std::hex << c.colour;
    }
}

} // namespace garabel::test
