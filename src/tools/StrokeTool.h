#pragma once

#include "tools/Tool.h"

namespace garabel {

// A tool that draws into both stored images while the pointer moves with a
// button held, so the release has nothing left to draw. Its undo step is taken
// at the press, before the first mark, so one undo removes exactly the stroke.
class StrokeTool : public Tool
{
public:
    using Tool::Tool;
    void press() override;
    void move(bool buttonHeld) override;
    void release() override;
    // The sheet goes back to its picture at the press, and that undo step with it.
    void cancel() override;

protected:
    // The marks of the generator into both stored images, canvas then sheet each.
    virtual void stroke();
};

} // namespace garabel
