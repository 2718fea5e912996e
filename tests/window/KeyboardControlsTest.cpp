#include "desktop/SurfaceView.h"
#include "drawing/GridMath.h"
#include "support/CanvasKeys.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"
#include "window/Button.h"
#include "window/ColourStrip.h"
#include "window/ColourStripView.h"
#include "window/ComboBox.h"
#include "window/HelpPicture.h"
#include "window/PictureButton.h"
#include "window/ToolKeys.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

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

// Each group of buttons is one stop, so Tab goes round the window in a few
// presses (there were 52 stops, one for each control shown).
TEST(KeyboardControls, TheKeysStartOnTheCurrentToolAndTabTakesOneStopForEachGroup)
{
    GarabelWindow w;
    ASSERT_TRUE(w.activate());
    const WindowProbe look = w.probe();
    QWidget *lineTool = look.paletteButtons()[PaletteButton::Line]->widget();
    EXPECT_EQ(focused(), lineTool);
    w.type(Qt::Key_T, Qt::AltModifier);  // the text tool: two lists and a pair of buttons
    ASSERT_EQ(w.state().tool, PaletteButton::Text);

    const std::vector<QWidget *> expected = {
        look.gridButtons()[5]->widget(),  // the grid and mirror buttons, at the grid step in use
        look.colourStripView(),
        look.canvasView(),
        look.sheetButtons()[0]->widget(),
        look.fontSizeList().combo(),
        look.fontNameList().combo(),
        look.fontStyleButtons()[0]->widget(),
        look.paletteButtons()[PaletteButton::Text]->widget(),  // where Alt+T took the keys
    };
    std::vector<QWidget *> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        w.type(Qt::Key_Tab);
        visited.push_back(focused());
    }
    EXPECT_EQ(visited, expected);
    w.type(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), look.fontStyleButtons()[0]->widget());
}

// The arrows go as the buttons lie and stop at the group's edges; moving does
// not choose, Space or Enter does, and Tab comes back to the button it left.
TEST(KeyboardControls, TheArrowsMoveWithinAGroupAndSpaceOrEnterDoesWhatAClickDoes)
{
    GarabelWindow w;
    ASSERT_TRUE(w.activate());
    const WindowProbe look = w.probe();
    const auto tool = [&look](PaletteButton b) { return look.paletteButtons()[b]->widget(); };
    const std::pair<int, PaletteButton> palette[] = {
        {Qt::Key_End, PaletteButton::MoveFreely}, {Qt::Key_Right, PaletteButton::MoveFreely},
        {Qt::Key_Home, PaletteButton::Open},      {Qt::Key_Up, PaletteButton::Open},
        {Qt::Key_Left, PaletteButton::Open},      {Qt::Key_Down, PaletteButton::Line},
        {Qt::Key_Right, PaletteButton::Freehand}, {Qt::Key_Right, PaletteButton::Dots},
        {Qt::Key_Down, PaletteButton::Circle},    {Qt::Key_Down, PaletteButton::Rectangle},
    };
    for (const auto &[key, reached] : palette) {
        w.type(key);
        EXPECT_EQ(focused(), tool(reached)) << "after key " << std::hex << key;
    }
    EXPECT_EQ(w.state().tool, PaletteButton::Line) << "moving chooses nothing";
    w.type(Qt::Key_Space);
    EXPECT_EQ(w.state().tool, PaletteButton::Rectangle);

    w.type(Qt::Key_Tab);  // the grid and mirror buttons, at the grid step in use
    w.type(Qt::Key_Up);
    EXPECT_EQ(focused(), look.gridButtons()[3]->widget());
    w.type(Qt::Key_Home);
    w.type(Qt::Key_Right);
    w.type(Qt::Key_Return);
    EXPECT_EQ(w.state().grid.step, gridStepFor(1));
    EXPECT_EQ(look.gridButtons()[1]->backColor(), kGreen);

    for (int i = 0; i < 3; ++i)
        w.type(Qt::Key_Tab);  // the strip, the canvas, the sheets
    w.type(Qt::Key_Down);  // a single row goes along with Up and Down too
    w.type(Qt::Key_Right);
    w.type(Qt::Key_Enter);
    EXPECT_EQ(look.currentSheet(), 2);
    EXPECT_EQ(look.sheetButtons()[2]->backColor(), kBlue);

    for (int i = 0; i < 3; ++i)
        w.type(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), look.gridButtons()[1]->widget());
    w.type(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), tool(PaletteButton::Rectangle)) << "back where the arrows left it";
}

// From the canvas the keys stay on the canvas, ready to draw with the tool.
TEST(KeyboardControls, AltAndATheToolsLetterTakesItFromTheCanvasAndFromTheStrip)
{
    GarabelWindow w;
    ASSERT_TRUE(w.activate());
    const WindowProbe look = w.probe();
    for (int i = 0; i < 3; ++i)
        w.type(Qt::Key_Tab);
    ASSERT_EQ(focused(), look.canvasView());
    QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(look.canvasView());
    for (const ToolKey &key : kToolKeys) {
        w.type(key.letter, Qt::AltModifier);
        EXPECT_EQ(w.state().tool, key.tool) << key.letter;
        EXPECT_EQ(focused(), look.canvasView());
        // By the caption on the help page; freehand's, cut short there, in full.
        const QString name = key.tool == PaletteButton::Freehand
                                 ? QStringLiteral("Dibuja a mano alzada")
                                 : HelpPicture::caption(HelpPicture::Group::Palette, int(key.tool));
        EXPECT_EQ(canvas->text(QAccessible::Value), name) << "heard as well as seen";
        EXPECT_TRUE(look.paletteButtons()[key.tool]->button()->toolTip().endsWith(
            QStringLiteral("(Alt+%1)").arg(QChar(key.letter))))
            << "the tip names the key";
    }

    // In the middle of a drag the figure goes, as with Escape, and the next
    // Space presses anew with the tool taken.
    w.type(Qt::Key_L, Qt::AltModifier);
    w.type(Qt::Key_Space);
    w.type(Qt::Key_Right);
    w.type(Qt::Key_R, Qt::AltModifier);
    for (int key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space})
        w.type(key);
    EXPECT_EQ(canvas->text(QAccessible::Value), QStringLiteral("rectángulo de 1 por 1 puntos"));

    w.type(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), look.colourStripView());
    w.type(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(w.state().tool, PaletteButton::Line);
    EXPECT_EQ(focused(), look.colourStripView());

    // On the palette the keys go to the tool taken, so that its button is read.
    w.type(Qt::Key_Tab, Qt::ShiftModifier);
    w.type(Qt::Key_Tab, Qt::ShiftModifier);
    w.type(Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(focused(), look.paletteButtons()[PaletteButton::Eraser]->widget());
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

namespace {
// The colour most pixels have: a button's face.
QRgb commonest(const QImage &image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
}
} // namespace

// Two pixels of one colour all round, just inside the bevel, that stand out
// from the face by at least 3 to 1 whatever its colour.
TEST(KeyboardControls, TheFocusRingIsSolidTwoPixelsWideAndStandsOutOnEveryFace)
{
    GarabelWindow w;
    ASSERT_TRUE(w.activate());
    const WindowProbe look = w.probe();
    w.click(*look.gridButtons()[2]);
    w.click(PaletteButton::Circle);
    const std::pair<const Button *, const char *> faces[] = {
        {look.paletteButtons()[PaletteButton::Circle].get(), "the current tool, pressed in"},
        {look.paletteButtons()[PaletteButton::Save].get(), "grey"},
        {look.gridButtons()[2].get(), "green"},
        {look.sheetButtons()[0].get(), "blue"},
        {look.circleKindButtons()[1].get(), "white"},
    };
    std::set<QRgb> seen;
    for (const auto &[button, face] : faces) {
        QWidget *widget = button->widget();
        ASSERT_TRUE(widget->isVisible()) << face;
        const QRgb plain = commonest(widget->grab().toImage());
        widget->setFocus(Qt::TabFocusReason);
        const QImage ringed = widget->grab().toImage();
        const QRgb ring = ringed.pixel(2, 2);
        int broken = 0;
        for (int inset : {2, 3}) {
            for (int along = 2; along < ringed.width() - 2; ++along) {
                for (const QPoint p : {QPoint(along, inset), QPoint(along, ringed.height() - 1 - inset),
                                       QPoint(inset, along), QPoint(ringed.width() - 1 - inset, along)})
                    broken += ringed.pixel(p) != ring;
            }
        }
        EXPECT_EQ(broken, 0) << face;
        EXPECT_GE(contrastRatio(QColor(ring), QColor(plain)), 3.0) << face;
        seen.insert(plain);
    }
    EXPECT_EQ(seen.size(), std::size(faces)) << "five faces of their own";
}

// Everything from the keys alone: the tool, the colour, the figure and the save.
TEST(KeyboardControls, ARectangleChosenDrawnAndSavedWithTheKeysAlone)
{
    BlankWindow w;
    ASSERT_TRUE(w.takeKeys());
    const WindowProbe look = w.probe();
    w.type(Qt::Key_R, Qt::AltModifier);
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
    w.type(Qt::Key_S, Qt::ControlModifier);
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
