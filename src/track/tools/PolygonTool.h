#pragma once

#include "track/tools/FigureTool.h"

namespace garabel {

// The polygon of polygon.mode, never mirrored. The preview computes the
// vertices afresh from the side count list and leaves them in the state; the
// commit joins those, and nothing before any preview has placed them.
class PolygonTool : public FigureTool
{
public:
    explicit PolygonTool(ToolEnvironment &env);

protected:
    void preview() override;
    void commit() override;
};

} // namespace garabel
