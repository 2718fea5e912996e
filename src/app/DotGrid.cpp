#include "app/Button.h"
#include "app/Form1.h"
#include "app/GridMath.h"
#include "platform/Surface.h"

#include <vector>

namespace garabel {

// Chooses the snapping step of grid button `index`, centres the canvas on the
// new grid and shows the current sheet with a dot at every grid point. The dots
// go into the canvas only: never into a sheet image.
void Form1::Command2_Click(int index)
{
    for (auto &button : Command2) {
        if (button->backColor() == kGreen)
            button->setBackColor(kWhite);
    }
    Command2[index]->setBackColor(kGreen);
    state.GridStep = gridStepFor(index);
    state.CenterX = snapToGrid(float(Picture1->width()) / 2.0f, state.GridStep);
    state.CenterY = snapToGrid(float(Picture1->height()) / 2.0f, state.GridStep);

    Picture1->setAutoRedraw(true);
    Picture1->setPicture(sheet().image());
    Picture1->setDrawWidth(1);
    // Column by column, both bounds inclusive; the last row and column may lie
    // under the frame.
    const double width = Picture1->width(), height = Picture1->height();
    std::vector<QPointF> dots;
    for (double x = 0; x <= width; x += state.GridStep) {
        for (double y = 0; y <= height; y += state.GridStep)
            dots.emplace_back(x, y);
    }
    Picture1->psetMany(dots);
    Picture1->setAutoRedraw(false);
    state.GridIndex = std::uint8_t(index);
}

} // namespace garabel
