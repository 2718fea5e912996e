#pragma once

#include "tools/FigureTool.h"

namespace garabel {

// The polygon of polygon.mode, never mirrored. The preview computes the
// vertices afresh from the side count list and leaves them in the state; the
// commit joins those. A click places none, so it commits nothing rather than
// an earlier or undone polygon.
class PolygonTool : public FigureTool
{
public:
    explicit PolygonTool(ToolEnvironment &env);

protected:
    QString words() const override;
    bool commitsOnAClick() const override { return false; }
    void preview() override;
    void commit() override;
};

} // namespace garabel
