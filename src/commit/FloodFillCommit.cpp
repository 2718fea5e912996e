#include "commit/FloodFillCommit.h"

#include "app/Form1.h"
#include "platform/Surface.h"

#include <cmath>

namespace garabel {

namespace {
// The surfaces' own twips scale, so that the fill starts on the pixel that
// holds the pointer's twips.
constexpr double kTwipsPerPixelX = Surface::kTwipsPerPixel;
constexpr double kTwipsPerPixelY = Surface::kTwipsPerPixel;
} // namespace

void commitFloodFill(Form1 &form)
{
    Surface &canvas = *form.Picture1;
    Surface &sheet = form.sheet();
    DrawingState &s = form.state;

    canvas.setScaleMode(ScaleMode::Pixels);
    sheet.setScaleMode(ScaleMode::Pixels);
    canvas.setFillStyle(FillSolid);
    sheet.setFillStyle(FillSolid);
    s.CurX = std::floor(s.CurX / kTwipsPerPixelX);
    s.CurY = std::int32_t(std::floor(double(s.CurY) / kTwipsPerPixelY));

    // The area is the drawing's, as the sheet holds it: the canvas may show grid
    // dots the sheet does not have, and the pointer snaps right onto them, so a
    // fill of the canvas's own area would often take a single dot.
    const int x = int(s.CurX), y = int(s.CurY);
    canvas.fillSpans(sheet.floodFill(x, y, sheet.point(x, y)));

    canvas.setScaleMode(ScaleMode::Twips);
    sheet.setScaleMode(ScaleMode::Twips);
    canvas.setFillStyle(s.FillIndex);
    sheet.setFillStyle(s.FillIndex);
}

} // namespace garabel
