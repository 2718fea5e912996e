#pragma once

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/UndoSteps.h"
#include "tools/TextTool.h"
#include "tools/ToolBox.h"

#include <QPoint>
#include <QPointF>
#include <QString>

#include <string>
#include <vector>

namespace garabel::test {

// The names of the calls a tool made on the target and the undo steps.
using Calls = std::vector<std::string>;

// What a tool handed the target to draw.
struct Drawn {
    Shapes shapes;
    Rgb colour;
};

struct PlacedText {
    QPointF corner;
    QString text;
    bool operator==(const PlacedText &) const = default;
};

struct Erase {
    QPointF from, to;
    double half;
};

// Records what the tool asks of it: each call's name in the log it shares with
// the fake undo steps, so that the order of steps and drawing shows, and what
// was drawn in the lists.
class FakeTarget : public DrawingTarget
{
public:
    explicit FakeTarget(Calls &log) : m_log(log) {}

    void preview(const Shapes &shapes, Rgb colour) override { note("preview"); previews.push_back({shapes, colour}); }
    void previewLine(QPointF, QPointF) override { note("guide"); }
    void previewText(double x, double y, const QString &text) override
    {
        note("previewText");
        previewedTexts.push_back({{x, y}, text});
    }
    void store(const Shapes &shapes, Rgb colour) override { note("store"); stored.push_back({shapes, colour}); }
    void eraseAlong(QPointF from, QPointF to, double half) override
    {
        note("erase");
        erases.push_back({from, to, half});
    }
    void fillArea(int x, int y) override { note("fill"); fills.emplace_back(x, y); }
    void printText(double x, double y, const QString &text) override
    {
        note("print");
        printedTexts.push_back({{x, y}, text});
    }

    std::vector<Drawn> previews, stored;
    std::vector<PlacedText> previewedTexts, printedTexts;
    std::vector<Erase> erases;
    std::vector<QPoint> fills;

private:
    void note(const std::string &call) { m_log.push_back(call); }
    Calls &m_log;
};

class FakeUndo : public UndoSteps
{
public:
    explicit FakeUndo(Calls &log) : m_log(log) {}
    void pushTentative() override { m_log.push_back("push"); }
    bool dropIfUnchanged() override
    {
        m_log.push_back("drop");
        return true;
    }
    std::vector<QRect> takeBackTentative() override
    {
        m_log.push_back("take back");
        return {};
    }

private:
    Calls &m_log;
};

// The side count list, the text input and its prompt, as plain values.
class FakeControls : public ToolControls
{
public:
    void showOnly(const std::vector<OptionGroup> &) override {}
    QString sideCountText() const override { return sideCount; }
    QString typedText() const override { return typed; }
    void promptForText(double left, double top) override { prompt = QPointF(left, top); }
    QPointF promptCorner() const override { return prompt; }
    void clearTypedText() override { typed.clear(); }

    QString sideCount = QStringLiteral("5");
    QString typed;
    QPointF prompt{-1, -1};
};

// The colour a ToolAlone draws in.
constexpr Rgb kToolRed = rgb(255, 0, 0);

// One palette tool on fakes, with no window, driven by its events as the window
// routes them (unsnapped here), the crosshair where the last move left it.
// Draws in red at pen width 3 on a canvas centred at (6900, 5100).
class ToolAlone
{
public:
    explicit ToolAlone(PaletteButton button) : m_tool(*m_tools.toolOn(button))
    {
        state.pen.fillColour = rgb(255, 0, 0);
        state.pen.width = 3;
        state.grid.centreX = 6900;
        state.grid.centreY = 5100;
    }

    // The left button goes down at (x, y): the anchor.
    void press(double x, double y) { m_tool.press(event(QPointF(x, y), kLeft)); }
    // The pointer to (x, y), whole twips down; it becomes the crosshair after.
    void move(double x, double y, bool buttonHeld = true)
    {
        m_tool.move(event(QPointF(x, std::int32_t(y)), buttonHeld ? kLeft : 0));
        m_crosshair = QPointF(x, std::int32_t(y));
    }
    void release() { m_tool.release(event(m_crosshair, kLeft)); }
    // The pointer comes to (x, y) with no button; the button goes down and up there.
    void click(double x, double y)
    {
        move(x, y, false);
        press(x, y);
        release();
    }
    // The pointer comes to (3000, 3000), where the button goes down; two moves
    // with the button held, the release, and a move with no button.
    void drag()
    {
        move(3000, 3000, false);
        press(3000, 3000);
        move(3600, 3300);
        move(4200, 3900);
        release();
        move(5000, 4500, false);
    }
    void placePending() { m_tool.placePending(); }
    // The tool itself, for events made by hand.
    Tool &tool() { return m_tool; }
    // Text typed in the input; whether the text tool holds some to place.
    void textEdited() { m_tool.textEdited(); }
    bool textPending() const { return dynamic_cast<const TextTool &>(m_tool).pending(); }

    DrawingState state;
    Calls log;  // the target's and the undo steps' calls, in order
    FakeTarget target{log};
    FakeUndo undo{log};
    FakeControls controls;

private:
    static constexpr int kLeft = 1;
    PointerEvent event(QPointF at, int buttons) const { return {at, at, m_crosshair, buttons, 0}; }

    ToolBox m_tools{ToolEnvironment{state, target, undo, controls}};
    Tool &m_tool;
    QPointF m_crosshair;
};

} // namespace garabel::test
