#pragma once

#include "track/tools/FigureTool.h"

namespace garabel {

// The circular figure of circle.kind, with its mirror copies. The preview
// measures the full circle's radius; the commit reuses it, so a release
// without a move repeats the last full circle around the new anchor.
class CircleTool : public FigureTool
{
public:
    explicit CircleTool(ToolEnvironment &env);

protected:
    void preview() override;
};

} // namespace garabel
