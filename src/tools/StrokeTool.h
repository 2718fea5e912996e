#pragma once

#include "tools/Tool.h"

namespace garabel {

// A tool that draws into the stored images while the pointer moves with a
// button held, so the release has nothing left to draw. Its undo step is taken
// at the press, before the first mark, so one undo removes exactly the stroke.
class StrokeTool : public Tool
{
public:
    using Tool::Tool;
    void press(const PointerEvent &event) override;
    void move(const PointerEvent &event) override;
    void release(const PointerEvent &event) override;
    // The sheet goes back to its picture at the press, and that undo step with it.
    void cancel() override;

protected:
    // The marks of one move, from the pointer of the move before to this one.
    virtual void stroke(QPointF from, QPointF to) = 0;

    QPointF m_pointer;  // where the last move left the pointer
};

} // namespace garabel
