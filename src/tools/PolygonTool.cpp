#include "tools/PolygonTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "drawing/PolygonGenerator.h"
#include "tools/FigureWords.h"

#include <QString>

namespace garabel {

PolygonTool::PolygonTool(ToolEnvironment &env) : FigureTool(env, {OptionGroup::PolygonShape}) {}

void PolygonTool::preview()
{
    DrawingState &state = m_env.state;
    state.polygon.sideCount = polygonSideCount(m_env.controls.sideCountText());
    placePolygonVertices(state);
    if (const auto guide = polygonGuide(state))
        m_env.target.previewLine(guide->from, guide->to);
    m_env.target.preview(polygonEdges(state), drawingColour(state));
}

void PolygonTool::commit()
{
    if (m_env.state.polygon.sideCount > 0)
        m_env.target.store(polygonEdges(m_env.state), drawingColour(m_env.state));
}

QString PolygonTool::words() const
{
    return FigureWords::polygon(m_env.state);
}

} // namespace garabel
