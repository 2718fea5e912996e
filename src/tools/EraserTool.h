#pragma once

#include "tools/StrokeTool.h"

namespace garabel {

// A white square around the pointer, never mirrored, swept along the path of
// every move with a button held.
class EraserTool : public StrokeTool
{
public:
    explicit EraserTool(ToolEnvironment &env);

protected:
    QString words() const override;
    void stroke(QPointF from, QPointF to) override;
};

} // namespace garabel
