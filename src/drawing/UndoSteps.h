#pragma once

#include <QRect>

#include <vector>

namespace garabel {

// The undo steps as the tools take them: a tool pushes tentatively before it
// draws, and the end of its release drops the push again when the sheet did not
// change, so that a release that drew nothing leaves no step to undo.
// UndoRing is the window's; tests hand the tools a fake.
class UndoSteps
{
public:
    virtual ~UndoSteps() = default;

    // Stores the current sheet as a step that dropIfUnchanged may take back.
    virtual void pushTentative() = 0;
    // Ends the release: takes the tentative push back if the sheet has not
    // changed since it. True when the sheet changed.
    virtual bool dropIfUnchanged() = 0;
    // Puts the sheet back as the tentative push took it and withdraws that
    // push: a stroke cancelled halfway. Returns the areas of the sheet that
    // changed, in pixels; none without such a push.
    virtual std::vector<QRect> takeBackTentative() = 0;
};

} // namespace garabel
