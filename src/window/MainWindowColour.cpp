#include "desktop/Platform.h"
#include "raster/ShownSurface.h"
#include "raster/SplitRgb.h"
#include "window/ColourStripView.h"
#include "window/Label.h"
#include "window/MainWindow.h"

namespace garabel {

// Any button picks the strip pixel under the pointer: a swatch, a swatch's
// frame or the grey between them. It becomes the figures' colour and the pen's
// colour and fill colour, and the text label's colour.
void MainWindow::onColourStripPressed(int, int, double x, double y)
{
    // The box's own border lies outside the strip: it holds no colour to pick.
    if (x < 0 || y < 0 || x >= m_colourStrip->innerWidth() || y >= m_colourStrip->innerHeight())
        return;
    // Only the three colour bytes: the strip's pixels are opaque.
    const RgbComponents c = splitRgb(m_colourStrip->point(x, y));
    const Rgb colour = rgb(c.red, c.green, c.blue);
    m_state.pen.fillColour = colour;
    m_textPreview->setForeColor(colour);
    m_state.pen.colour = colour;
    m_stripView->showDrawingColour(colour);
}

// The dialog opens on the current colour with pure blue as custom colour 1.
// A confirmed colour becomes the figures' colour and the pen's fill colour; the
// pen's own colour (text, marks) stays. Cancel changes nothing.
void MainWindow::chooseColourInDialog()
{
    ColorDialogRequest request;
    request.initial = drawingColour(m_state);
    request.customColors.fill(kWhite);
    request.customColors[0] = kBlue;
    const std::optional<Rgb> chosen = m_platform.colorDialog(request);
    if (!chosen)
        return;
    const RgbComponents c = splitRgb(*chosen);
    m_state.pen.fillColour = rgb(c.red, c.green, c.blue);
    m_stripView->showDrawingColour(drawingColour(m_state));
}

} // namespace garabel
