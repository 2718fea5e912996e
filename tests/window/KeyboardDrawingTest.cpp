#include "desktop/SurfaceView.h"
#include "support/CanvasKeys.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"
#include "window/TextBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace garabel::test {

namespace {
constexpr double kStep = 300;  // the grid the window starts with

// Whatever draws on the canvas, the keyboard pointer or the mouse, at the same
// grid points, with the same keys for everything else.
class Hands
{
public:
    explicit Hands(GarabelWindow &w) : w(w) {}
    virtual ~Hands() = default;
    // Presses at the first corner, goes one grid step at a time through the
    // others (x first, then y) and releases at the last.
    virtual void drag(const std::vector<QPointF> &corners) = 0;
    // The text tool's spot, then the text typed and placed with Enter.
    virtual void text(QPointF at, const QString &typed) = 0;
    void key(int key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers); }

    GarabelWindow &w;
};

class KeyboardHands : public Hands
{
public:
    using Hands::Hands;
    void drag(const std::vector<QPointF> &corners) override
    {
        ASSERT_TRUE(keys.focus());
        keys.goTo(corners[0]);
        keys.key(Qt::Key_Space);
        for (const QPointF &p : stepPath(corners[0], corners, kStep))
            keys.goTo(p, false);
        keys.key(Qt::Key_Space);
    }
    void text(QPointF at, const QString &typed) override
    {
        ASSERT_TRUE(keys.focus());
        keys.goTo(at);
        keys.key(Qt::Key_Space);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        keys.key(Qt::Key_Return);
    }
    CanvasKeys keys{w};
};

class MouseHands : public Hands
{
public:
    using Hands::Hands;
    void drag(const std::vector<QPointF> &corners) override
    {
        const std::vector<QPointF> path = stepPath(corners[0], corners, kStep);
        w.move(path[0].x(), path[0].y());
        w.press(path[0].x(), path[0].y());
        for (const QPointF &p : path)
            w.move(p.x(), p.y(), Qt::LeftButton);
        w.release(path.back().x(), path.back().y());
    }
    void text(QPointF at, const QString &typed) override
    {
        w.move(at.x(), at.y());
        w.press(at.x(), at.y());
        w.release(at.x(), at.y());
        QTest::keyClicks(w.probe().textInput().edit(), typed);
        QTest::keyClick(w.probe().textInput().edit(), Qt::Key_Return);
    }
};

// A grid point, in steps from the canvas centre.
QPointF pt(const GarabelWindow &w, int dx, int dy)
{
    return QPointF(w.state().grid.centreX + dx * kStep, w.state().grid.centreY + dy * kStep);
}

struct Scenario {
    const char *name;
    void (*draw)(Hands &h);
};

const Scenario kScenarios[] = {
    {"Rectangle", [](Hands &h) {
         h.w.chooseTool(PaletteButton::Rectangle);
         h.drag({pt(h.w, -5, -3), pt(h.w, 1, 1)});
     }},
    {"CircleWithTheThreeMirrors", [](Hands &h) {
         h.w.setMirrors(true, true, true);
         h.w.chooseTool(PaletteButton::Circle);
         h.drag({pt(h.w, -6, -4), pt(h.w, -3, -4)});
     }},
    {"Polygon", [](Hands &h) {
         h.w.chooseTool(PaletteButton::Polygon);
         h.drag({pt(h.w, 2, 2), pt(h.w, 5, 4)});
     }},
    {"Fill", [](Hands &h) {
         const QPointF corner = pt(h.w, -3, -2);
         commitBox(h.w, QRectF(corner, QSizeF(6 * kStep, 4 * kStep)), rgb(0, 0, 255));
         h.w.chooseColourInDialog(rgb(0, 160, 0));
         h.w.chooseTool(PaletteButton::Fill);
         h.drag({pt(h.w, 0, 0)});
     }},
    {"Text", [](Hands &h) {
         h.w.chooseTool(PaletteButton::Text);
         h.text(pt(h.w, -4, 2), QStringLiteral("Hola"));
     }},
    {"FreehandStroke", [](Hands &h) {
         h.w.chooseTool(PaletteButton::Freehand);
         h.drag({pt(h.w, -2, -2), pt(h.w, 3, -2), pt(h.w, 3, 2)});
     }},
    {"UndoAndRedo", [](Hands &h) {
         h.w.chooseTool(PaletteButton::Rectangle);
         h.drag({pt(h.w, -5, -3), pt(h.w, 1, 1)});
         h.key(Qt::Key_Z, Qt::ControlModifier);
         h.w.chooseTool(PaletteButton::Line);
         h.drag({pt(h.w, 0, 0), pt(h.w, 4, 3)});
         h.key(Qt::Key_Z, Qt::ControlModifier);
         h.key(Qt::Key_Y, Qt::ControlModifier);
     }},
    {"AfterASheetSwitch", [](Hands &h) {
         h.w.click(*h.w.probe().sheetButtons()[2]);
         h.w.chooseTool(PaletteButton::Line);
         h.drag({pt(h.w, -1, -1), pt(h.w, 6, 2)});
     }},
};

struct Drawn {
    std::vector<QImage> sheets;  // every sheet
    int current = 0, undoPosition = 0;
};

template <typename HandsType>
Drawn drawWith(const Scenario &scenario)
{
    BlankWindow w;
    HandsType hands(w);
    if constexpr (std::is_same_v<HandsType, MouseHands>) {
        EXPECT_TRUE(w.takeKeys());
    }
    scenario.draw(hands);
    Drawn drawn{{}, w.probe().currentSheet(), 0};
    drawn.undoPosition = w.probe().undoRing().position(drawn.current);
    for (int i = 0; i < kSheetCount; ++i)
        drawn.sheets.push_back(w.sheet(i));
    return drawn;
}
} // namespace

class KeyboardDrawing : public ::testing::TestWithParam<Scenario>
{
};

TEST_P(KeyboardDrawing, LeavesTheSheetsAsTheMouseAtTheSamePoints)
{
    const Drawn keyboard = drawWith<KeyboardHands>(GetParam());
    const Drawn mouse = drawWith<MouseHands>(GetParam());
    ASSERT_FALSE(isAllWhite(mouse.sheets[mouse.current])) << "the mouse drew something";
    EXPECT_EQ(keyboard.current, mouse.current);
    EXPECT_EQ(keyboard.undoPosition, mouse.undoPosition) << "the same undo steps";
    for (int i = 0; i < kSheetCount; ++i) {
        EXPECT_EQ(keyboard.sheets[i], mouse.sheets[i]) << "sheet " << i + 1;
        if (keyboard.sheets[i] != mouse.sheets[i]) {
            savePicture(keyboard.sheets[i], QStringLiteral("keyboard-%1").arg(GetParam().name));
            savePicture(mouse.sheets[i], QStringLiteral("mouse-%1").arg(GetParam().name));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Figures, KeyboardDrawing, ::testing::ValuesIn(kScenarios),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace garabel::test

namespace garabel::test {

// A click gives the canvas the keys without changing what the mouse sees; the
// first key, or a focus by Tab, shows the frame.
TEST(CanvasFocus, AFrameShowsWhereTheKeysGoOnceAKeyIsUsed)
{
    BlankWindow w;
    QWidget *view = w.probe().canvasView();
    const auto framed = [view] {
        const QImage shown = view->grab().toImage();
        return shown.pixel(1, shown.height() / 2) == qRgb(0, 84, 180);
    };
    w.chooseTool(PaletteButton::Circle);  // a click draws nothing
    w.drag({{3000, 3000}});
    EXPECT_TRUE(view->hasFocus());
    EXPECT_FALSE(framed()) << "after a click";
    CanvasKeys(w).key(Qt::Key_Right);
    EXPECT_TRUE(framed()) << "after a key";
    view->clearFocus();
    EXPECT_FALSE(framed()) << "without the focus";
    view->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(framed()) << "after Tab";
}

} // namespace garabel::test
