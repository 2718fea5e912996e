#include "track/tools/DotsTool.h"

#include "app/DrawingState.h"
#include "app/DrawingTarget.h"
#include "track/FigureGenerators.h"
#include "track/tools/ToolControls.h"

namespace garabel {

// Only solid or no fill: the dots are circles.
void DotsTool::showOptions()
{
    m_env.controls.showOnly({OptionGroup::SolidOrNoFill});
}

void DotsTool::stroke()
{
    m_env.target.stroke(dotShapes(m_env.state), drawingColour(m_env.state));
}

} // namespace garabel
