#pragma once

#include "drawing/Shapes.h"
#include "tools/Tool.h"

namespace garabel {

// A tool that previews its figure on the canvas overlay while a button is held
// and commits it on the release. The undo step is taken at the release, before
// the commit, so undo steps back to before it.
class FigureTool : public Tool
{
public:
    using Tool::Tool;
    void press(const PointerEvent &event) override;
    void move(const PointerEvent &event) override;
    void release(const PointerEvent &event) override;
    void cancel() override;
    bool spansFromAnchor() const override { return true; }

protected:
    // Whether a press and release with no move between them commits: a figure
    // whose size comes from its drag has none to commit, and leaves no undo step.
    virtual bool commitsOnAClick() const { return true; }
    // The figure from the anchor to the pointer, with its mirror copies; none by default.
    virtual Shapes shapes() const { return {}; }
    // The figure on the canvas overlay.
    virtual void preview();
    // Stores the figure from what the press and the last move left.
    virtual void commit();

    QPointF m_anchor;   // where the button went down
    QPointF m_pointer;  // where the last move left the pointer

private:
    bool m_previewedSincePress = false;
};

} // namespace garabel
