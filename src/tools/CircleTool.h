#pragma once

#include "tools/FigureTool.h"

namespace garabel {

// The circular figure of circle.kind, with its mirror copies. The preview
// measures the full circle's radius and the commit reuses it; a click, with no
// move to measure, commits nothing rather than an earlier circle's size.
class CircleTool : public FigureTool
{
public:
    explicit CircleTool(ToolEnvironment &env);

protected:
    QString words() const override;
    bool commitsOnAClick() const override { return false; }
    void preview() override;
};

} // namespace garabel
