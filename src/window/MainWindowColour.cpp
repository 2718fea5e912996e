#include "desktop/Platform.h"
#include "raster/ShownSurface.h"
#include "raster/SplitRgb.h"
#include "window/Label.h"
#include "window/MainWindow.h"

namespace garabel {

namespace {

void takeComponents(DrawingState &state, Rgb colour)
{
    const RgbComponents components = splitRgb(colour);
    state.pen.red = components.red;
    state.pen.green = components.green;
    state.pen.blue = std::int16_t(components.blue);
}

} // namespace

// Any button picks the strip pixel under the pointer: a swatch, a swatch's
// frame or the grey between them. The colour goes to the canvas, to every sheet
// (as every drawing setting does, so that a sheet never stores a figure in
// another colour than the canvas showed) and to the text label.
void MainWindow::onColourStripPressed(int, int, double x, double y)
{
    // The box's own border lies outside the strip: it holds no colour to pick.
    if (x < 0 || y < 0 || x >= m_colourStrip->innerWidth() || y >= m_colourStrip->innerHeight())
        return;
    takeComponents(m_state, m_colourStrip->point(x, y));
    const Rgb colour = drawingColour(m_state);
    m_surfaceSettings.setFillColour(colour);
    m_textPreview->setForeColor(colour);
    m_surfaceSettings.setForeColour(colour);
}

// The dialog opens on the current colour with pure blue as custom colour 1.
// A confirmed colour becomes the drawing colour and the fill colour of the
// canvas and every sheet; the fore colours stay. Cancel changes nothing.
void MainWindow::chooseColourInDialog()
{
    ColorDialogRequest request;
    request.initial = drawingColour(m_state);
    request.customColors.fill(kWhite);
    request.customColors[0] = kBlue;
    const std::optional<Rgb> chosen = m_platform.colorDialog(request);
    if (!chosen)
        return;
    takeComponents(m_state, *chosen);
    const Rgb colour = drawingColour(m_state);
    m_surfaceSettings.setFillColour(colour);
}

} // namespace garabel
