#include "app/Button.h"
#include "app/MainWindow.h"
#include "app/GridMath.h"
#include "platform/ShownSurface.h"

#include <vector>

namespace garabel {

// Chooses the snapping step of grid button `index`, centres the canvas on the
// new grid and shows the current sheet with a dot at every grid point. The dots
// go into the canvas only: never into a sheet image.
void MainWindow::onGridButton(int index)
{
    for (auto &button : m_gridButtons) {
        if (button->backColor() == kGreen)
            button->setBackColor(kWhite);
    }
    m_gridButtons[index]->setBackColor(kGreen);
    m_state.grid.step = gridStepFor(index);
    m_state.grid.centreX = snapToGrid(float(m_canvas->width()) / 2.0f, m_state.grid.step);
    m_state.grid.centreY = snapToGrid(float(m_canvas->height()) / 2.0f, m_state.grid.step);

    m_canvas->setPicture(currentSheetImage().image());
    m_canvas->setDrawWidth(1);
    // Column by column, both bounds inclusive; the last row and column may lie
    // under the frame.
    const double width = m_canvas->width(), height = m_canvas->height();
    std::vector<QPointF> dots;
    for (double x = 0; x <= width; x += m_state.grid.step) {
        for (double y = 0; y <= height; y += m_state.grid.step)
            dots.emplace_back(x, y);
    }
    m_canvas->stored().psetMany(dots);
    m_state.grid.selectedButton = std::uint8_t(index);
}

} // namespace garabel
