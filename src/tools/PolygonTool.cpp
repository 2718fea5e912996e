#include "tools/PolygonTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "tools/FigureWords.h"

#include <QString>

namespace garabel {

PolygonTool::PolygonTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::PolygonShape}) {}

void PolygonTool::preview()
{
    const PolygonDrag drag{m_env.state.polygon.mode, m_anchor, m_pointer};
    m_vertices.sideCount = polygonSideCount(m_env.controls.sideCountText());
    placePolygonVertices(drag, m_vertices);
    if (const auto guide = polygonGuide(drag))
        m_env.target.previewLine(guide->from, guide->to);
    m_env.target.preview(polygonEdges(m_vertices), drawingColour(m_env.state));
}

void PolygonTool::commit()
{
    if (m_vertices.sideCount > 0)
        m_env.target.store(polygonEdges(m_vertices), drawingColour(m_env.state));
}

QString PolygonTool::words() const
{
    return FigureWords::polygon(m_vertices.sideCount);
}

} // namespace garabel
