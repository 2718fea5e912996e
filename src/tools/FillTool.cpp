#include "tools/FillTool.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "raster/Units.h"
#include "tools/FigureWords.h"

#include <cmath>

namespace garabel {

FillTool::FillTool(ToolEnvironment &env) : FigureTool(env, {}) {}

// Fills the current sheet's connected area around the pointer (the area of
// the colour the sheet holds there) solidly in the pen's colour, and paints the
// same pixels on the canvas, whatever the canvas alone shows (grid dots, the
// help page).
void FillTool::commit()
{
    // The pointer stays in twips: a second click without a move fills there again.
    // The pixel that holds the pointer's twips.
    const int x = int(std::floor(m_pointer.x() / kTwipsPerPixel));
    const int y = int(std::floor(m_pointer.y() / kTwipsPerPixel));

    // The area is the drawing's, as the sheet holds it: the canvas may show grid
    // dots the sheet does not have, and the pointer snaps right onto them, so a
    // fill of the canvas's own area would often take a single dot.
    m_env.target.fillArea(x, y);
}

QString FillTool::words() const
{
    return FigureWords::fill(m_pointer, m_env.state.grid.step);
}

} // namespace garabel
