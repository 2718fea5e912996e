#pragma once

#include "tools/StrokeTool.h"

namespace garabel {

// The segment from the previous pointer to this one and its reflections, on
// every move with a button held.
class FreehandTool : public StrokeTool
{
public:
    explicit FreehandTool(ToolEnvironment &env);

protected:
    QString words() const override;
    void stroke(QPointF from, QPointF to) override;
};

} // namespace garabel
