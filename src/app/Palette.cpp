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
void MainWindow::onPaletteButton(PaletteButton button)
{
    const int index = int(button);
    if (hidesOptionControls(index))
        hideOptionControls(optionControls());

    runPaletteCommand([this, button, index] {
        switch (button) {
        case PaletteButton::Open: openPicture(); break;
        case PaletteButton::Save: savePicture(); break;
        case PaletteButton::SnapToGrid: m_state.grid.step = gridStepFor(m_state.grid.selectedButton); break;
        case PaletteButton::MoveFreely: m_state.grid.step = 1; break;
        case PaletteButton::PenWidthStep: stepPenWidth(m_penWidthButtons, m_state, m_surfaceSettings); break;
        case PaletteButton::Print: printCanvas(*m_canvas, m_platform); break;
        case PaletteButton::Undo: m_undoRing.undo(); break;
        case PaletteButton::Clear: clearCurrentSheet(m_undoRing, *m_canvas, currentSheetImage()); break;
        case PaletteButton::Quit:
            if (confirmQuit())
                m_platform.quit();
            break;
        case PaletteButton::ColourDialog: chooseColourInDialog(); break;
        // Help goes on the canvas only: the sheet keeps its drawing.
        case PaletteButton::Help: m_canvas->setPicture(m_helpPicture->picture()); break;
        default: chooseTool(optionControls(), m_state, index); break;
        }
    });
}

OptionControls MainWindow::optionControls()
{
    return {m_polygonModeButtons, m_circleKindButtons, m_penWidthButtons, m_fillPatternButtons, m_fontStyleButtons,
            m_eraserSizeButtons, *m_sideCountLabel, *m_textPreview, *m_sideCountList, *m_fontSizeList, *m_fontNameList,
            *m_textInput};
}

bool MainWindow::confirmQuit()
{
    if (m_platform.messageBox(tr("Quieres salir del programa"), MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    m_quitConfirmed = true;
    return true;
}

} // namespace garabel
