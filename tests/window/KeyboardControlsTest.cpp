#include "desktop/SurfaceView.h"
#include "drawing/GridMath.h"
#include "support/CanvasKeys.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"
#include "window/Button.h"
#include "window/ColourStrip.h"
#include "window/ColourStripView.h"
#include "window/ComboBox.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <QAccessible>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace garabel::test {

namespace {
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

// The control that has the keyboard: a list, not the field inside it.
QWidget *focused()
{
    QWidget *w = QApplication::focusWidget();
    if (w && qobject_cast<QComboBox *>(w->parentWidget()))
        return w->parentWidget();
    return w;
}

// Tab until `target` has the keyboard; false when a whole round missed it.
bool tabTo(QWidget *target)
{
    for (int i = 0; i < 100 && focused() != target; ++i)
        press(Qt::Key_Tab);
    return focused() == target;
}
} // namespace

TEST(KeyboardControls, TabGoesThroughTheShownControlsInScreenOrderAndShiftTabBack)
{
    GarabelWindow w;
    w.chooseTool(PaletteButton::Text);
    ASSERT_TRUE(w.takeKeys());
    const WindowProbe look = w.probe();
    // The palette column as the window shows it, row by row.
    std::vector<QWidget *> expected;
    for (const ButtonArray *group : {static_cast<const ButtonArray *>(&look.paletteButtons()), &look.gridButtons(),
                                     &look.mirrorButtons()}) {
        for (const auto &button : *group)
            expected.push_back(button->widget());
    }
    std::sort(expected.begin(), expected.end(), [](const QWidget *a, const QWidget *b) {
        return std::make_tuple(a->y(), a->x()) < std::make_tuple(b->y(), b->x());
    });
    expected.push_back(look.colourStripView());
    if (look.canvasView()->focusPolicy() & Qt::TabFocus)
        expected.push_back(look.canvasView());
    for (const auto &sheet : look.sheetButtons())
        expected.push_back(sheet->widget());
    // Only the text tool's options: the others are hidden.
    expected.push_back(look.fontSizeList().combo());
    expected.push_back(look.fontNameList().combo());
    expected.push_back(look.fontStyleButtons()[0]->widget());
    expected.push_back(look.fontStyleButtons()[1]->widget());

    std::vector<QWidget *> visited;
    for (std::size_t i = 0; i <= expected.size(); ++i) {
        press(Qt::Key_Tab);
        visited.push_back(focused());
    }
    expected.push_back(expected.front());  // and round again
    EXPECT_EQ(visited, expected);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), expected[expected.size() - 2]);
}

TEST(KeyboardControls, SpaceOrEnterOnAButtonDoesWhatAClickDoes)
{
    GarabelWindow w;
    ASSERT_TRUE(w.takeKeys());
    const WindowProbe look = w.probe();
    ASSERT_TRUE(tabTo(look.paletteButtons()[PaletteButton::Rectangle]->widget()));
    press(Qt::Key_Space);
    EXPECT_EQ(w.state().tool, PaletteButton::Rectangle);

    ASSERT_TRUE(tabTo(look.gridButtons()[1]->widget()));
    press(Qt::Key_Return);
    EXPECT_EQ(w.state().grid.step, gridStepFor(1));
    EXPECT_EQ(look.gridButtons()[1]->backColor(), kGreen);

    ASSERT_TRUE(tabTo(look.sheetButtons()[2]->widget()));
    press(Qt::Key_Enter);
    EXPECT_EQ(look.currentSheet(), 2);
    EXPECT_EQ(look.sheetButtons()[2]->backColor(), kBlue);
}

// The mark is painted over the strip while it has the keyboard, in the grey
// around the marked swatch; the strip's own picture never changes.
TEST(KeyboardControls, TheStripsArrowsMoveAVisibleMarkAndSpacePicksThatColour)
{
    GarabelWindow w;
    ASSERT_TRUE(w.takeKeys());
    auto *strip = static_cast<ColourStripView *>(w.probe().colourStripView());
    const auto ringPixel = [strip](int swatch) {
        const QImage shown = strip->grab().toImage();
        return shown.pixel(strip->swatchRect(swatch).topLeft() - QPoint(2, 2));
    };
    const QRgb grey = qRgb(128, 128, 128);
    EXPECT_EQ(ringPixel(0), grey);
    ASSERT_TRUE(tabTo(strip));
    EXPECT_EQ(ringPixel(0), qRgb(255, 255, 255));

    press(Qt::Key_Right);
    press(Qt::Key_Right);
    EXPECT_EQ(ringPixel(0), grey);
    EXPECT_EQ(ringPixel(2), qRgb(255, 255, 255));
    ASSERT_EQ(strip->swatches()[2].colour, rgb(255, 0, 0));
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(strip);
    const auto selected = [reader](int swatch) { return reader->child(swatch)->state().selected; };
    EXPECT_FALSE(selected(2));
    press(Qt::Key_Space);
    EXPECT_EQ(drawingColour(w.state()), rgb(255, 0, 0));
    EXPECT_TRUE(selected(2)) << "a screen reader hears the colour taken";

    press(Qt::Key_End);
    press(Qt::Key_Return);
    EXPECT_EQ(drawingColour(w.state()), strip->swatches().back().colour);
    EXPECT_EQ(w.probe().colourStrip().renderedImage(), colourStripPicture());
    EXPECT_FALSE(selected(2));
    EXPECT_TRUE(selected(int(strip->swatches().size()) - 1));
    w.chooseColourInDialog(rgb(1, 2, 3));
    EXPECT_EQ(strip->chosenSwatch(), -1) << "a colour that is not on the strip";

    press(Qt::Key_Tab);
    EXPECT_EQ(ringPixel(int(strip->swatches().size()) - 1), grey) << "no mark without the keyboard";
}

// Everything from the keys alone: the tool, the colour, the figure and the save.
TEST(KeyboardControls, ARectangleChosenDrawnAndSavedWithTheKeysAlone)
{
    BlankWindow w;
    ASSERT_TRUE(w.takeKeys());
    const WindowProbe look = w.probe();
    ASSERT_TRUE(tabTo(look.paletteButtons()[PaletteButton::Rectangle]->widget()));
    press(Qt::Key_Space);
    ASSERT_TRUE(tabTo(look.colourStripView()));
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    press(Qt::Key_Space);
    CanvasKeys keys(w);
    ASSERT_TRUE(keys.focus());
    const QPointF from(w.state().grid.centreX, w.state().grid.centreY);  // where the crosshair starts
    keys.key(Qt::Key_Space);
    keys.goTo(from + QPointF(3 * 300, 2 * 300), false);
    keys.key(Qt::Key_Space);

    QTemporaryDir dir;
    w.platform.saveAnswers = {dir.filePath("teclado.bmp")};
    ASSERT_TRUE(tabTo(look.paletteButtons()[PaletteButton::Save]->widget()));
    press(Qt::Key_Space);
    const QImage saved(dir.filePath("teclado.bmp"));
    ASSERT_FALSE(saved.isNull()) << "the save wrote the file";
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), w.sheet(look.currentSheet()));
    const QImage sheet = w.sheet(look.currentSheet());
    QRect red;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (sheet.pixel(x, y) == qRgb(255, 0, 0))
                red |= QRect(x, y, 1, 1);
    EXPECT_EQ(red, QRect((from / 15).toPoint(), QSize(61, 41))) << "a red rectangle three steps by two";
}

} // namespace garabel::test
