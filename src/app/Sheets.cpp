#include "app/Button.h"
#include "app/MainWindow.h"
#include "platform/ShownSurface.h"

namespace garabel {

// Makes sheet `index` current: its button turns blue, the previous one white,
// and the canvas shows exactly the sheet's stored drawing.
void MainWindow::onSheetButton(int index)
{
    sheetButtons[state.previousSheet]->setBackColor(kWhite);
    sheetButtons[index]->setBackColor(kBlue);
    canvas->setPicture(sheetImages[index]->image());
    state.sheet = std::uint8_t(index);
    state.previousSheet = std::uint8_t(index);
}

} // namespace garabel
