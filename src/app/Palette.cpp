#include "app/MainWindow.h"

#include "app/GridMath.h"
#include "app/ImageBox.h"
#include "app/PaletteCommands.h"
#include "platform/Platform.h"
#include "platform/ShownSurface.h"

namespace garabel {

// The tool palette: a tool button chooses its tool and shows that tool's
// option controls; every other button runs a one-shot command. The tool stays
// as it was through the commands.
void MainWindow::onPaletteButton(PaletteButton button)
{
    const int index = int(button);
    if (hidesOptionControls(index))
        hideOptionControls(*this);

    runPaletteCommand([this, button, index] {
        switch (button) {
        case PaletteButton::Open: openPicture(); break;
        case PaletteButton::Save: savePicture(); break;
        case PaletteButton::SnapToGrid: state.grid.step = gridStepFor(state.grid.selectedButton); break;
        case PaletteButton::MoveFreely: state.grid.step = 1; break;
        case PaletteButton::PenWidthStep: stepPenWidth(*this); break;
        case PaletteButton::Print: printCanvas(*this); break;
        case PaletteButton::Undo: undo(); break;
        case PaletteButton::Clear: clearCurrentSheet(*this); break;
        case PaletteButton::Quit:
            if (confirmQuit())
                m_platform.quit();
            break;
        case PaletteButton::ColourDialog: chooseColourInDialog(); break;
        // Help goes on the canvas only: the sheet keeps its drawing.
        case PaletteButton::Help: canvas->setPicture(helpPicture->picture()); break;
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
