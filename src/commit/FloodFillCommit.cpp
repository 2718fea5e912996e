#include "commit/FloodFillCommit.h"

#include "app/DrawingState.h"
#include "platform/KeepSurfaceSettings.h"

#include <cmath>

namespace garabel {

namespace {
// The surfaces' own twips scale, so that the fill starts on the pixel that
// holds the pointer's twips.
constexpr double kTwipsPerPixelX = kTwipsPerPixel;
constexpr double kTwipsPerPixelY = kTwipsPerPixel;
} // namespace

void commitFloodFill(Surface &canvas, Surface &sheet, const DrawingState &s)
{
    // Each surface gets back the pattern it had: its figures are filled as before.
    const KeepSurfaceSettings keptOnCanvas(canvas), keptOnSheet(sheet);
    canvas.setScaleMode(ScaleMode::Pixels);
    sheet.setScaleMode(ScaleMode::Pixels);
    canvas.setFillStyle(FillSolid);
    sheet.setFillStyle(FillSolid);
    // The pointer stays in twips: a second click without a move fills there again.
    const int x = int(std::floor(s.pointer.x / kTwipsPerPixelX));
    const int y = int(std::floor(double(s.pointer.y) / kTwipsPerPixelY));

    // The area is the drawing's, as the sheet holds it: the canvas may show grid
    // dots the sheet does not have, and the pointer snaps right onto them, so a
    // fill of the canvas's own area would often take a single dot.
    canvas.fillSpans(sheet.floodFill(x, y, sheet.point(x, y)));
}

} // namespace garabel
