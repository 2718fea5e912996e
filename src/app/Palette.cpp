#include "app/MainWindow.h"

#include "app/DrawingTarget.h"
#include "app/GridMath.h"
#include "app/ImageBox.h"
#include "app/PaletteCommands.h"
#include "app/WindowToolControls.h"
#include "platform/Platform.h"
#include "platform/ShownSurface.h"
#include "track/tools/ToolBox.h"

namespace garabel {

// The tool palette: a tool button chooses its tool, which shows its option
// controls; every other button runs a one-shot command. The tool stays as it
// was through the commands.
void MainWindow::onPaletteButton(PaletteButton button)
{
    runPaletteCommand([this, button] {
        if (Tool *tool = m_tools->toolOn(button)) {
            state.tool = button;
            tool->showOptions();
            return;
        }
        switch (button) {
        case PaletteButton::Open: openPicture(); break;
        case PaletteButton::Save: savePicture(); break;
        case PaletteButton::SnapToGrid: state.grid.step = gridStepFor(state.grid.selectedButton); break;
        case PaletteButton::MoveFreely: state.grid.step = 1; break;
        case PaletteButton::PenWidthStep:
            m_toolControls->showOnly({OptionGroup::PenWidths});
            stepPenWidth(*this);
            break;
        case PaletteButton::Print: printCanvas(*this); break;
        case PaletteButton::Undo: undo(); break;
        // One undo brings the drawing back.
        case PaletteButton::Clear:
            pushUndoSnapshot();
            m_drawingTarget->clear();
            break;
        case PaletteButton::Quit:
            if (confirmQuit())
                m_platform.quit();
            break;
        case PaletteButton::ColourDialog: chooseColourInDialog(); break;
        // Help goes on the canvas only: the sheet keeps its drawing.
        case PaletteButton::Help: canvas->setPicture(helpPicture->picture()); break;
        default: break;
        }
    });
}

void MainWindow::createTools()
{
    m_drawingTarget = std::make_unique<DrawingTarget>(*canvas, [this]() -> Surface & { return currentSheetImage(); });
    m_toolControls = std::make_unique<WindowToolControls>(ToolControlWidgets{
        polygonModeButtons, circleKindButtons, penWidthButtons, fillPatternButtons, fontStyleButtons, eraserSizeButtons,
        *sideCountLabel, *textPreview, *sideCountList, *fontSizeList, *fontNameList, *textInput});
    const UndoSteps undoSteps{[this] { pushTentativeUndoSnapshot(); }, [this] { dropUnchangedUndoSnapshot(); }};
    m_tools = std::make_unique<ToolBox>(ToolEnvironment{state, *m_drawingTarget, undoSteps, *m_toolControls});
}

Tool *MainWindow::currentTool() const
{
    return m_tools->toolOn(state.tool);
}

bool MainWindow::confirmQuit()
{
    if (m_platform.messageBox(tr("Quieres salir del programa"), MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    m_quitConfirmed = true;
    return true;
}

} // namespace garabel
