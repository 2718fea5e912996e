#include "window/MainWindow.h"

#include "desktop/Platform.h"
#include "desktop/SurfaceView.h"
#include "drawing/CanvasAndSheet.h"
#include "drawing/GridMath.h"
#include "drawing/UnsavedSheets.h"
#include "raster/ShownSurface.h"
#include "tools/ToolBox.h"
#include "window/Button.h"
#include "window/CanvasAccessible.h"
#include "window/ImageBox.h"
#include "window/KeyboardPointer.h"
#include "window/PaletteCommands.h"
#include "window/WindowToolControls.h"

namespace garabel {

namespace {

// The commands that only change how the next drawing is made, which a drag in
// progress simply follows.
bool isDrawingSetting(PaletteButton button)
{
    switch (button) {
    case PaletteButton::SnapToGrid:
    case PaletteButton::MoveFreely:
    case PaletteButton::PenWidthStep:
    case PaletteButton::ColourDialog: return true;
    default: return false;
    }
}

} // namespace

// The tool palette: a tool button chooses its tool, which shows its option
// controls; every other button runs a one-shot command. The tool stays as it
// was through the commands.
void MainWindow::onPaletteButton(PaletteButton button)
{
    runPaletteCommand(m_platform, [this, button] {
        // A drag in progress belongs to the tool and the sheet as they were: a
        // command that changes either gives it up first, as Escape does.
        if (!isDrawingSetting(button))
            cancelDragInProgress();
        if (Tool *tool = m_tools->toolOn(button)) {
            placePendingText();
            m_state.tool = button;
            showCurrentTool();
            tool->showOptions();
            return;
        }
        switch (button) {
        case PaletteButton::Open:
            placePendingText();
            openPicture();
            break;
        case PaletteButton::Save: savePicture(); break;
        case PaletteButton::SnapToGrid:
            m_state.grid.step = gridStepFor(m_state.grid.selectedButton);
            markSnapping();
            break;
        case PaletteButton::MoveFreely:
            m_state.grid.step = 1;
            markSnapping();
            break;
        case PaletteButton::PenWidthStep:
            m_toolControls->showOnly({OptionGroup::PenWidths});
            stepPenWidth(m_state);
            markOnly(m_penWidthButtons, m_state.pen.width - 1);
            tellPenWidth();
            break;
        case PaletteButton::Print: printCanvas(*m_canvas, m_platform, m_startFolder); break;
        case PaletteButton::Undo:
            placePendingText();
            showSheetAlone();
            m_undoRing.undo();
            m_canvasAccessible->tell(tr("deshecho"));
            break;
        // One undo brings the drawing back.
        case PaletteButton::Clear:
            placePendingText();
            m_undoRing.push();
            currentSheetImage().setPicture(QImage());
            showCurrentSheet();
            break;
        case PaletteButton::Quit:
            if (confirmQuit())
                m_platform.quit();
            break;
        case PaletteButton::ColourDialog: chooseColourInDialog(); break;
        // Help goes on the canvas only: the sheet keeps its drawing, which a
        // second press puts back.
        case PaletteButton::Help:
            if (helpShown())
                leaveHelp();
            else
                showHelp();
            break;
        default: break;
        }
    });
}

void MainWindow::onRedo()
{
    runPaletteCommand(m_platform, [this] {
        cancelDragInProgress();
        const bool stepLeft = m_undoRing.redoSteps(m_sheets.currentIndex()) > 0;
        if (stepLeft) {
            showSheetAlone();
            m_undoRing.redo();
        }
        m_canvasAccessible->tell(stepLeft ? tr("rehecho") : tr("nada que rehacer"));
    });
}

void MainWindow::onEscape()
{
    if (m_drag == Drag::Drawing)
        cancelDrag();
    else if (helpShown())
        leaveHelp();
}

// The page is read from the canvas: its description says the page, which the
// focus coming to it reads, or the change, where it has the focus already. The
// focus comes as a click brings it, so the page shows whole, without the
// focus frame, until a key is pressed.
void MainWindow::showHelp()
{
    m_canvas->showPicture(m_helpPicture->picture());
    m_canvasAccessible->setValue(helpText());
    m_canvasView->setFocus(Qt::MouseFocusReason);
}

// With the keys on the canvas, the crosshair shows where they act, and says so.
void MainWindow::leaveHelp()
{
    showCurrentSheet();
    if (m_canvasView->hasFocus())
        m_keyboardPointer->showCrosshair();
    m_canvasAccessible->setValue(placeWords());
}

bool MainWindow::helpShown() const
{
    return !m_canvas->shownSheet();
}

void MainWindow::showCurrentSheet()
{
    m_canvas->showSheet(m_sheets.current());
}

// An undo or a redo puts back a whole picture of the sheet: a picture shown
// under it (the start-up picture) goes, as the help page does.
void MainWindow::showSheetAlone()
{
    if (m_canvas->ownUnderSheet())
        showCurrentSheet();
    else
        showSheetAgain();
}

void MainWindow::showSheetAgain()
{
    if (helpShown())
        showCurrentSheet();
    else
        m_canvas->refresh();
}

void MainWindow::createTools()
{
    m_drawingTarget = std::make_unique<CanvasAndSheet>(*m_canvas, m_sheets, m_state.pen);
    m_toolControls = std::make_unique<WindowToolControls>(ToolControlWidgets{
        m_polygonModeButtons, m_circleKindButtons, m_penWidthButtons, m_fillPatternButtons, m_fontStyleButtons,
        m_eraserSizeButtons, *m_sideCountLabel, *m_textPreview, *m_sideCountList, *m_fontSizeList, *m_fontNameList,
        *m_textInput});
    m_tools = std::make_unique<ToolBox>(ToolEnvironment{m_state, *m_drawingTarget, m_undoRing, *m_toolControls});
}

Tool *MainWindow::currentTool() const
{
    return m_tools->toolOn(m_state.tool);
}

void MainWindow::showCurrentTool()
{
    for (int i = 0; i < kPaletteButtonCount; ++i)
        m_paletteButtons[i]->setSunken(PaletteButton(i) == m_state.tool);
}

bool MainWindow::placePendingText()
{
    Tool *tool = currentTool();
    if (!tool)
        return false;
    tool->placePending();
    return tellDrawn(*tool);
}

// With drawings unsaved the question says so, and Enter answers No.
bool MainWindow::confirmQuit()
{
    const std::vector<int> unsaved = m_unsavedSheets->unsavedNumbers();
    const MessageButtons buttons = unsaved.empty() ? MessageButtons::YesNo : MessageButtons::YesNoDefaultNo;
    if (m_platform.messageBox(UnsavedSheets::quitQuestion(unsaved), buttons) != MessageAnswer::Yes)
        return false;
    m_quitConfirmed = true;
    return true;
}

} // namespace garabel
