#pragma once

#include "drawing/CircleGenerator.h"
#include "tools/FigureTool.h"

namespace garabel {

// The circular figure of the kind chosen, with its mirror copies. The preview
// measures the full circle's radius and the commit reuses it; a click, with no
// move to measure, commits nothing rather than an earlier circle's size.
class CircleTool : public FigureTool
{
public:
    explicit CircleTool(ToolEnvironment &env);

protected:
    QString words() const override;
    bool commitsOnAClick() const override { return false; }
    Shapes shapes() const override;
    void preview() override;

private:
    CircleFigure figure() const;

    std::int32_t m_radius = 0;  // the full circle's, as the last preview measured it
};

} // namespace garabel
