#include "track/tools/RectangleTool.h"

#include "app/DrawingState.h"
#include "app/DrawingTarget.h"
#include "track/FigureGenerators.h"
#include "track/tools/ToolControls.h"

namespace garabel {

void RectangleTool::showOptions()
{
    m_env.controls.showOnly({OptionGroup::FillPatterns});
}

void RectangleTool::preview()
{
    m_env.target.preview(rectangleShapes(m_env.state), drawingColour(m_env.state));
}

void RectangleTool::commit()
{
    m_env.target.commit(rectangleShapes(m_env.state), drawingColour(m_env.state));
}

} // namespace garabel
