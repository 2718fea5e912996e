#include "track/tools/LineTool.h"

#include "app/DrawingState.h"
#include "app/DrawingTarget.h"
#include "track/FigureGenerators.h"
#include "track/tools/ToolControls.h"

namespace garabel {

void LineTool::showOptions()
{
    m_env.controls.showOnly({OptionGroup::PenWidths});
}

void LineTool::preview()
{
    m_env.target.preview(lineShapes(m_env.state), drawingColour(m_env.state));
}

void LineTool::commit()
{
    m_env.target.commit(lineShapes(m_env.state), drawingColour(m_env.state));
}

} // namespace garabel
