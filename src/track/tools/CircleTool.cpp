#include "track/tools/CircleTool.h"

#include "app/DrawingState.h"
#include "app/DrawingTarget.h"
#include "track/CircleGenerator.h"
#include "track/tools/ToolControls.h"

namespace garabel {

void CircleTool::showOptions()
{
    m_env.controls.showOnly({OptionGroup::FillPatterns, OptionGroup::CircleKinds});
}

void CircleTool::preview()
{
    storeCircleRadius(m_env.state);
    m_env.target.preview(circleShapes(m_env.state), drawingColour(m_env.state));
}

void CircleTool::commit()
{
    m_env.target.commit(circleShapes(m_env.state), drawingColour(m_env.state));
}

} // namespace garabel
