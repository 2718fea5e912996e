#include "tools/FloodFillCommit.h"

#include "drawing/DrawingState.h"
#include "drawing/DrawingTarget.h"
#include "raster/Units.h"

#include <cmath>

namespace garabel {

void commitFloodFill(const DrawingState &s, DrawingTarget &target)
{
    // The pointer stays in twips: a second click without a move fills there again.
    // The pixel that holds the pointer's twips.
    const int x = int(std::floor(s.pointer.x / kTwipsPerPixel));
    const int y = int(std::floor(double(s.pointer.y) / kTwipsPerPixel));

    // The area is the drawing's, as the sheet holds it: the canvas may show grid
    // dots the sheet does not have, and the pointer snaps right onto them, so a
    // fill of the canvas's own area would often take a single dot.
    target.fillArea(x, y);
}

} // namespace garabel
