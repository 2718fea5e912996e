#pragma once

// src/tools: the Tool interface, the figure and stroke families and one class
// per tool, each owning its commit; the tool box. Uses drawing and raster.

#include "drawing/Mirrors.h"
#include "tools/PointerEvent.h"
#include "tools/ToolControls.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace garabel {

class DrawingTarget;
class UndoSteps;
struct DrawingState;

// All a tool sees of the window: the settings and three interfaces, which the
// window fills with the canvas and sheet, the undo ring and its controls.
struct ToolEnvironment {
    const DrawingState &state;
    DrawingTarget &target;
    UndoSteps &undo;  // tools push tentatively; a release drops an unchanged push
    ToolControls &controls;
};

// One tool of the palette: what it does with the pointer on the canvas, and
// which option groups it shows when chosen. It keeps the figure in progress
// (anchor, sizes, vertices) itself, from the events it is given.
class Tool
{
public:
    // `options` are shown alone when the tool is chosen; a tool with none
    // leaves the groups of the tool before it on show.
    Tool(ToolEnvironment &env, std::vector<OptionGroup> options) : m_env(env), m_options(std::move(options)) {}
    virtual ~Tool() = default;
    Tool(const Tool &) = delete;
    Tool &operator=(const Tool &) = delete;

    // Chosen on the palette.
    void showOptions();
    // A button goes down at `at`: the anchor.
    virtual void press(const PointerEvent &event) = 0;
    // Every move over the canvas, button held or not, after the crosshair.
    virtual void move(const PointerEvent &event) = 0;
    // Commits from what the press and the last move left; the release's own
    // position is not used.
    virtual void release(const PointerEvent &event) = 0;
    // Puts whatever the tool holds typed but not yet drawn on the canvas and the
    // sheet, as one undo step, before the drawing changes under it or the tool is
    // left. Most tools hold nothing.
    virtual void placePending() {}
    // Escape between the press and the release: the figure in progress goes,
    // preview and any stroke already drawn, and no undo step is left. The
    // window then shows the sheet again and passes that drag's release on to no one.
    virtual void cancel() = 0;
    // Whether a click hands the keys on to a text input: the keyboard pointer
    // then clicks where it would hold.
    virtual bool typesText() const { return false; }
    // Whether the figure spans from the press to the crosshair, so that a
    // screen reader hears the anchor and the size while it is dragged.
    virtual bool spansFromAnchor() const { return false; }
    // The text input changed: a tool that types text prints it at its next release.
    virtual void textEdited() {}
    // What the last release or placement drew, in words for a screen reader
    // ("rectángulo de 6 por 4 puntos"); empty when it drew nothing. Told once.
    QString takeDrawn() { return std::exchange(m_drawn, QString()); }

protected:
    // The end of every release: `commit` (which may be empty), then the
    // tentative undo step taken back if the sheet did not change. True when it changed.
    bool commitAndSettle(const std::function<void()> &commit);

    // The figure the tool holds after a release, in words; tool by tool.
    virtual QString words() const { return {}; }
    // The sheet's mirrors as the switches are now.
    Mirrors mirrors() const { return mirrorsOf(m_env.state); }

    ToolEnvironment &m_env;
    QString m_drawn;

private:
    std::vector<OptionGroup> m_options;
};

} // namespace garabel
