#include "raster/Surface.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"
#include "window/ComboBox.h"
#include "window/Label.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
int notWhite(const QImage &image)
{
    return image.width() * image.height() - countColour(image, kWhitePixel);
}

// The pointer comes to the point from the pixel to its left, then the button
// goes down and up.
void click(GarabelWindow &w, double x, double y)
{
    w.move(x - 15, y);
    w.move(x, y);
    w.press(x, y);
    w.release(x, y);
}
} // namespace

// A click (a press and a release with no move between) on the blank sheet at
// pixel (200, 200), tool by tool; a click that changes nothing takes no undo step.
TEST(Click, EachToolDoesOnAClickWhatItShows)
{
    const int everyPixel = BlankWindow().sheet().width() * BlankWindow().sheet().height();
    const struct {
        PaletteButton tool;
        int ink;  // red pixels the click leaves on the sheet
    } cases[] = {
        {PaletteButton::Line, 1},      // the line from the anchor to the pointer, both at the click: a dot
        {PaletteButton::Rectangle, 1}, // the same box shrunk to a dot
        {PaletteButton::Fill, everyPixel},
        {PaletteButton::Circle, 0},    {PaletteButton::Polygon, 0}, {PaletteButton::Dots, 0},
        {PaletteButton::Freehand, 0},  {PaletteButton::Eraser, 0},  {PaletteButton::Text, 0},
    };
    for (const auto &c : cases) {
        BlankWindow w;
        w.chooseTool(c.tool);
        click(w, 3000, 3000);
        const QImage sheet = w.sheet();
        EXPECT_EQ(countColour(sheet, kRedPixel), c.ink) << int(c.tool);
        EXPECT_EQ(notWhite(sheet), c.ink) << int(c.tool);
        EXPECT_EQ(w.canvasStored(), sheet) << int(c.tool);
        EXPECT_EQ(w.probe().undoRing().position(0), c.ink > 0 ? 1 : 0) << int(c.tool);
        if (c.ink == 1) {
            EXPECT_EQ(sheet.pixel(200, 200), kRedPixel) << int(c.tool);
        }
    }
    BlankWindow text;
    text.chooseTool(PaletteButton::Text);
    click(text, 3000, 3000);
    EXPECT_EQ(text.probe().textPreview().caption(), QStringLiteral("Escribe")) << "the text tool marks the spot";
}

// After a drag of every circle kind, a click elsewhere draws no second figure
// of the old size.
TEST(Click, TheCircleToolTakesNoSizeFromAnEarlierCircle)
{
    for (int kind = 0; kind <= 5; ++kind) {
        BlankWindow w;
        w.chooseTool(PaletteButton::Circle);
        w->onCircleKindButton(kind);
        w.setMirrors(true, false, false);
        w.drag({{3000, 3000}, {3900, 4200}});
        const QImage drawn = w.sheet();
        ASSERT_GT(countColour(drawn, kRedPixel), 100) << kind;
        click(w, 6000, 7200);
        EXPECT_EQ(w.sheet(), drawn) << "kind " << kind;
        EXPECT_EQ(w.canvasStored(), drawn) << "kind " << kind;
        EXPECT_EQ(w.probe().undoRing().position(0), 1) << "kind " << kind;
    }
}

// A polygon drawn and undone does not come back, in a new colour, at a click.
TEST(Click, AnUndonePolygonDoesNotComeBack)
{
    BlankWindow w;
    w.chooseTool(PaletteButton::Polygon);
    w.probe().sideCountList().setText(QStringLiteral("5"));
    w.drag({{3000, 3000}, {3000, 3900}});
    ASSERT_GT(countColour(w.sheet(), kRedPixel), 100);
    w->onPaletteButton(PaletteButton::Undo);
    ASSERT_TRUE(isAllWhite(w.sheet()));
    const int position = w.probe().undoRing().position(0);

    w.chooseColourInDialog(rgb(0, 0, 255));
    click(w, 7500, 4500);
    EXPECT_TRUE(isAllWhite(w.sheet()));
    EXPECT_TRUE(isAllWhite(w.canvasStored()));
    EXPECT_EQ(w.probe().undoRing().position(0), position) << "no undo step";

    w.drag({{7500, 4500}, {7500, 5100}});  // a drag still draws, in the new colour
    EXPECT_GT(countColour(w.sheet(), kBluePixel), 50);
}

} // namespace garabel::test
