#include "drawing/GridMath.h"
#include "raster/ShownSurface.h"
#include "window/Button.h"
#include "window/MainWindow.h"

namespace garabel {

// Chooses the snapping step of grid button `index`, centres the canvas on the
// new grid and shows the current sheet with a dot at every grid point, in the
// pen's colour of the moment. The dots stay on the canvas from now on,
// whatever sheet it shows; they never go into a sheet image.
void MainWindow::onGridButton(int index)
{
    markOnly(m_gridButtons, index);
    m_state.grid.step = gridStepFor(index);
    m_state.grid.centreX = snapToGrid(float(m_canvas->width()) / 2.0f, m_state.grid.step);
    m_state.grid.centreY = snapToGrid(float(m_canvas->height()) / 2.0f, m_state.grid.step);

    const QSize inner = m_canvas->innerPixelSize();
    m_canvas->setDots(DotGrid{gridDotPixels(m_state.grid.step, m_canvas->width(), inner.width()),
                              gridDotPixels(m_state.grid.step, m_canvas->height(), inner.height()),
                              toQRgb(m_state.pen.colour)});
    showCurrentSheet();
    m_state.grid.selectedButton = std::uint8_t(index);
    markSnapping();
}

// A pair: the one in use green, the other white once it has been green.
void MainWindow::markSnapping()
{
    const bool snapping = m_state.grid.step > 1;
    Button &inUse = *m_paletteButtons[snapping ? PaletteButton::SnapToGrid : PaletteButton::MoveFreely];
    Button &other = *m_paletteButtons[snapping ? PaletteButton::MoveFreely : PaletteButton::SnapToGrid];
    inUse.setBackColor(kGreen);
    if (other.backColor() == kGreen)
        other.setBackColor(kWhite);
}

} // namespace garabel
