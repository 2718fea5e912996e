#pragma once

#include "tools/StrokeTool.h"

namespace garabel {

// A dot at the pointer and at its reflections, on every move with a button
// held. Only solid or no fill: the dots are circles.
class DotsTool : public StrokeTool
{
public:
    explicit DotsTool(ToolEnvironment &env);

protected:
    QString words() const override;
    void stroke(QPointF from, QPointF to) override;
};

} // namespace garabel
