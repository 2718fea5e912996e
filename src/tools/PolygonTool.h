#pragma once

#include "drawing/PolygonGenerator.h"
#include "tools/FigureTool.h"

namespace garabel {

// The polygon of the construction mode chosen, never mirrored. The preview
// places the vertices afresh from the side count list and keeps them; the
// commit joins those. A click places none, so it commits nothing rather than
// an earlier or undone polygon.
class PolygonTool : public FigureTool
{
public:
    explicit PolygonTool(ToolEnvironment &env);
    // The side count the last preview placed the vertices for; 0 before any.
    double sideCount() const { return m_vertices.sideCount; }

protected:
    QString words() const override;
    bool commitsOnAClick() const override { return false; }
    void preview() override;
    void commit() override;

private:
    PolygonVertices m_vertices;
};

} // namespace garabel
