#include "app/MainWindow.h"

#include "app/GridMath.h"
#include "app/ImageBox.h"
#include "app/PaletteCommands.h"
#include "platform/Platform.h"
#include "platform/Surface.h"

namespace garabel {

// The tool palette: a tool button chooses its tool and shows that tool's
// option controls; every other button runs a one-shot command. The tool stays
// as it was through the commands.
void MainWindow::onPaletteButton(int index)
{
    if (hidesOptionControls(index))
        hideOptionControls(*this);

    runPaletteCommand([this, index] {
        switch (index) {
        case 0: openPicture(); break;
        case 1: savePicture(); break;
        case 5: state.grid.step = gridStepFor(state.grid.selectedButton); break;
        case 6: state.grid.step = 1; break;
        case 7: stepPenWidth(*this); break;
        case 9: printCanvas(*this); break;
        case 13: undo(); break;
        case 14: clearCurrentSheet(*this); break;
        case 15:
            if (confirmQuit())
                m_platform.quit();
            break;
        case 17: chooseColourInDialog(); break;
        // Help goes on the canvas only: the sheet keeps its drawing.
        case 19: canvas->setPicture(helpPicture->picture()); break;
        default: chooseTool(*this, index); break;
        }
    });
}

bool MainWindow::confirmQuit()
{
    if (m_platform.messageBox(tr("Quieres salir del programa"), MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    m_quitConfirmed = true;
    return true;
}

} // namespace garabel
