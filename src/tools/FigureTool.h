#pragma once

#include "tools/Tool.h"

namespace garabel {

// A tool that previews its figure on the canvas overlay while a button is held
// and commits it on the release. The undo step is taken at the release, before
// the commit, so undo steps back to before it.
class FigureTool : public Tool
{
public:
    using Tool::Tool;
    void press() override;
    void move(bool buttonHeld) override;
    void release() override;
    void cancel() override;

protected:
    // Whether a press and release with no move between them commits: a figure
    // whose size comes from its drag has none to commit, and leaves no undo step.
    virtual bool commitsOnAClick() const { return true; }
    // The generator's figure on the canvas overlay.
    virtual void preview();
    // Draws on both surfaces from the state the press and the last move left;
    // the release's own position is not used.
    virtual void commit();

private:
    bool m_previewedSincePress = false;
};

} // namespace garabel
