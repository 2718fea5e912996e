#include "support/GarabelWindow.h"
#include "support/Pixels.h"
#include "window/Button.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace garabel::test {

namespace {
// Green pixels enough to see: the solid fill's picture leaves a one-pixel ring
// of about forty.
constexpr int kMarkedPixels = 32;

// The buttons' faces as the window shows them, one letter a button: G for a face
// shown green (marked), - for one without a green pixel; ? for anything between.
std::string shownMarks(GarabelWindow &w, const std::vector<const Button *> &buttons)
{
    const QImage shot = w->grab().toImage();
    std::string marks;
    for (const Button *button : buttons) {
        const QWidget *b = button->widget();
        const QRect face(b->mapTo(&w.window(), QPoint(2, 2)), b->size() - QSize(4, 4));
        const int green = countColour(shot, kGreenPixel, face);
        marks += green >= kMarkedPixels ? 'G' : green == 0 ? '-' : '?';
    }
    return marks;
}

std::string shownMarks(GarabelWindow &w, const ButtonArray &group)
{
    std::vector<const Button *> buttons;
    for (const auto &button : group)
        buttons.push_back(button.get());
    return shownMarks(w, buttons);
}

// Snapping and moving freely, in that order.
std::string shownSnapping(GarabelWindow &w)
{
    const PaletteButtons &palette = w.probe().paletteButtons();
    return shownMarks(w, std::vector<const Button *>{palette[PaletteButton::SnapToGrid].get(),
                                                     palette[PaletteButton::MoveFreely].get()});
}

// The palette's buttons as the window shows them: P for one pressed in (its
// sunken frame dark at the top-left corner), - for one standing out.
std::string shownPressed(GarabelWindow &w)
{
    const QImage shot = w->grab().toImage();
    std::string pressed;
    for (const auto &button : w.probe().paletteButtons()) {
        const QPoint corner = button->widget()->mapTo(&w.window(), QPoint(0, 0));
        const bool sunken = shot.pixel(corner) == qRgb(64, 64, 64) && shot.pixel(corner + QPoint(1, 1)) == qRgb(128, 128, 128);
        pressed += sunken ? 'P' : shot.pixel(corner) == kWhitePixel ? '-' : '?';
    }
    return pressed;
}

std::string onlyAt(int index, int count, char mark)
{
    std::string marks(std::size_t(count), '-');
    if (index >= 0 && index < count)
        marks[std::size_t(index)] = mark;
    return marks;
}
} // namespace

TEST(Marks, ThePenWidthStepMovesTheGreenMark)
{
    GarabelWindow w;
    w.click(*w.probe().penWidthButtons()[0]);
    for (const int width : {2, 3, 4, 1}) {
        w.click(PaletteButton::PenWidthStep);
        EXPECT_EQ(shownMarks(w, w.probe().penWidthButtons()), onlyAt(width - 1, 14, 'G')) << width;
    }
    w.click(*w.probe().penWidthButtons()[8]);
    w.click(PaletteButton::PenWidthStep);
    EXPECT_EQ(shownMarks(w, w.probe().penWidthButtons()), onlyAt(9, 14, 'G'));
    w.click(*w.probe().penWidthButtons()[13]);
    w.click(PaletteButton::PenWidthStep);
    EXPECT_EQ(shownMarks(w, w.probe().penWidthButtons()), onlyAt(-1, 14, 'G')) << "width 15 has no button";
}

TEST(Marks, NoMirrorIsGreenExactlyWhileNoMirrorIsOn)
{
    GarabelWindow w;
    const ButtonArray &mirrors = w.probe().mirrorButtons();
    EXPECT_EQ(shownMarks(w, mirrors), "G---");
    const struct { int button; const char *marks; } clicks[] = {
        {1, "-G--"}, {2, "-GG-"}, {3, "-GGG"}, {1, "--GG"}, {2, "---G"}, {3, "G---"}, {2, "--G-"}, {0, "G---"}, {0, "G---"},
    };
    for (const auto &c : clicks) {
        w.click(*mirrors[c.button]);
        EXPECT_EQ(shownMarks(w, mirrors), c.marks) << "after button " << c.button;
    }
}

// From start-up: the values in use are the first circle kind, the transparent
// fill, the first polygon mode and no eraser size (0 until one is chosen).
TEST(Marks, TheChosenCircleKindFillPatternPolygonModeAndEraserSizeAreGreen)
{
    GarabelWindow w;
    const struct {
        PaletteButton tool;
        const ButtonArray &group;
        int inUse;
    } groups[] = {
        {PaletteButton::Circle, w.probe().circleKindButtons(), 0},
        {PaletteButton::Rectangle, w.probe().fillPatternButtons(), FillTransparent},
        {PaletteButton::Polygon, w.probe().polygonModeButtons(), 0},
        {PaletteButton::Eraser, w.probe().eraserSizeButtons(), -1},
    };
    for (const auto &g : groups) {
        w.click(g.tool);
        const int count = int(g.group.size());
        EXPECT_EQ(shownMarks(w, g.group), onlyAt(g.inUse, count, 'G')) << "the value in use at start-up";
        for (const int i : {count - 1, 0, 1, count / 2}) {
            w.click(*g.group[i]);
            EXPECT_EQ(shownMarks(w, g.group), onlyAt(i, count, 'G')) << "tool " << int(g.tool) << " option " << i;
        }
    }
}

TEST(Marks, TheGridStepPenWidthAndSnappingInUseAreGreenFromStartUp)
{
    GarabelWindow w;
    EXPECT_EQ(shownMarks(w, w.probe().gridButtons()), onlyAt(5, 8, 'G'));
    w.click(PaletteButton::Line);  // shows the pen widths
    EXPECT_EQ(shownMarks(w, w.probe().penWidthButtons()), onlyAt(0, 14, 'G'));
    EXPECT_EQ(shownSnapping(w), "G-");
    w.moveFreely(true);
    EXPECT_EQ(shownSnapping(w), "-G");
    w.moveFreely(false);
    EXPECT_EQ(shownSnapping(w), "G-");
    w.moveFreely(true);
    w.click(*w.probe().gridButtons()[2]);
    EXPECT_EQ(shownSnapping(w), "G-") << "a grid button snaps again";
    EXPECT_EQ(shownMarks(w, w.probe().gridButtons()), onlyAt(2, 8, 'G'));
}

TEST(Marks, TheCurrentToolsPaletteButtonAloneIsPressedIn)
{
    GarabelWindow w;
    EXPECT_EQ(shownPressed(w), onlyAt(int(PaletteButton::Line), kPaletteButtonCount, 'P'));
    for (const PaletteButton tool : {PaletteButton::Circle, PaletteButton::Fill, PaletteButton::Text, PaletteButton::Dots,
                                     PaletteButton::Freehand, PaletteButton::Rectangle, PaletteButton::Polygon,
                                     PaletteButton::Eraser, PaletteButton::Line}) {
        w.click(tool);
        EXPECT_EQ(shownPressed(w), onlyAt(int(tool), kPaletteButtonCount, 'P')) << int(tool);
    }
    for (const PaletteButton command : {PaletteButton::Undo, PaletteButton::PenWidthStep, PaletteButton::MoveFreely,
                                        PaletteButton::SnapToGrid, PaletteButton::Help, PaletteButton::Clear}) {
        w.click(command);
        EXPECT_EQ(shownPressed(w), onlyAt(int(PaletteButton::Line), kPaletteButtonCount, 'P')) << int(command);
    }
}

// On a ratio-2 screen the frame is two whole pixels of the screen's pixels deep,
// not a hairline: rows 0-3 of a column across the top are dark, dark, grey, grey.
TEST(Marks, ThePressedInFrameIsWholeOnAHighDensityScreen)
{
    GarabelWindow w(QSize(15360, 11520), true, 2);
    QWidget *line = w.probe().paletteButtons()[PaletteButton::Line]->widget();
    QImage shown(line->size() * 2, QImage::Format_RGB32);
    shown.setDevicePixelRatio(2);
    line->render(&shown);
    for (const int x : {8, 30, 50}) {
        for (const int y : {0, 1})
            EXPECT_EQ(shown.pixel(x, y), qRgb(64, 64, 64)) << x << "," << y;
        for (const int y : {2, 3})
            EXPECT_EQ(shown.pixel(x, y), qRgb(128, 128, 128)) << x << "," << y;
    }
}

} // namespace garabel::test
