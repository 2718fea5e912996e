#pragma once

#include <functional>

namespace garabel {

class DrawingTarget;
class ToolControls;
struct DrawingState;

// The undo ring's tentative step: a push that the end of the same release
// takes back when the sheet has not changed since.
struct UndoSteps {
    std::function<void()> pushTentative;
    std::function<void()> dropUnchanged;
};

// All a tool sees of the window.
struct ToolEnvironment {
    DrawingState &state;
    DrawingTarget &target;
    UndoSteps undo;
    ToolControls &controls;
};

// One tool of the palette: what it does with the pointer on the canvas, and
// which option groups it shows when chosen. The window has snapped the pointer
// into the state before each call (the anchor for press, the position for move).
class Tool
{
public:
    explicit Tool(ToolEnvironment &env) : m_env(env) {}
    virtual ~Tool() = default;
    Tool(const Tool &) = delete;
    Tool &operator=(const Tool &) = delete;

    // Chosen on the palette.
    virtual void showOptions() = 0;
    virtual void press() = 0;
    // After the crosshair; with a button held the canvas pen is at pen.width.
    virtual void move(bool buttonHeld) = 0;
    virtual void release() = 0;

protected:
    // The end of every release: both surfaces persistent at the pen width for
    // `commit` (which may be empty), then the canvas transient again, and the
    // tentative undo step taken back if the sheet did not change.
    void commitAndSettle(const std::function<void()> &commit);

    ToolEnvironment &m_env;
};

} // namespace garabel
