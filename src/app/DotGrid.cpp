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
    for (auto &button : gridButtons) {
        if (button->backColor() == kGreen)
            button->setBackColor(kWhite);
    }
    gridButtons[index]->setBackColor(kGreen);
    state.grid.step = gridStepFor(index);
    state.grid.centreX = snapToGrid(float(canvas->width()) / 2.0f, state.grid.step);
    state.grid.centreY = snapToGrid(float(canvas->height()) / 2.0f, state.grid.step);

    canvas->setPicture(currentSheetImage().image());
    canvas->setDrawWidth(1);
    // Column by column, both bounds inclusive; the last row and column may lie
    // under the frame.
    const double width = canvas->width(), height = canvas->height();
    std::vector<QPointF> dots;
    for (double x = 0; x <= width; x += state.grid.step) {
        for (double y = 0; y <= height; y += state.grid.step)
            dots.emplace_back(x, y);
    }
    canvas->stored().psetMany(dots);
    state.grid.selectedButton = std::uint8_t(index);
}

} // namespace garabel
