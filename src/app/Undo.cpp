#include "app/MainWindow.h"
#include "app/SnapshotStore.h"
#include "platform/ShownSurface.h"

namespace garabel {

void MainWindow::fillUndoRing()
{
    m_undo->createSlots(DrawingState::kSheets, UndoRingState::kSlots);
}

// Stores the current sheet as it is now in the slot the ring points at, and
// moves the ring on.
void MainWindow::pushUndoSnapshot()
{
    captureIntoRing();
    settleUndoSnapshot();
}

void MainWindow::pushTentativeUndoSnapshot()
{
    const int s = state.sheet;
    const UndoMark mark{s, state.undo.positions[s], state.undo.snapshotPending};
    captureIntoRing();
    m_tentativePush = mark;
}

void MainWindow::dropUnchangedUndoSnapshot()
{
    const std::optional<UndoMark> mark = m_tentativePush;
    if (mark && mark->sheet == state.sheet && m_undo->unchangedSinceCapture(mark->sheet, currentSheetImage())) {
        m_undo->withdrawCapture(mark->sheet, mark->pos);
        state.undo.positions[mark->sheet] = mark->pos;
        state.undo.snapshotPending = mark->pending;
    }
    settleUndoSnapshot();
}

void MainWindow::captureIntoRing()
{
    const int s = state.sheet;
    m_undo->capture(s, state.undo.positions[s], currentSheetImage());
    state.undo.positions[s] = state.undo.positions[s] + 1 == UndoRingState::kSlots ? 0 : state.undo.positions[s] + 1;
    state.undo.snapshotPending = true;
}

void MainWindow::settleUndoSnapshot()
{
    m_tentativePush.reset();
    m_undo->settleCapture();
}

// Steps the current sheet back through its ring; the first step after a push
// first stores the present state, so that cycling round the ring brings it back.
void MainWindow::undo()
{
    const int s = state.sheet;
    if (state.undo.snapshotPending) {
        m_undo->capture(s, state.undo.positions[s], currentSheetImage());
        state.undo.snapshotPending = false;
    }
    settleUndoSnapshot();
    state.undo.positions[s] = state.undo.positions[s] - 1 == -1 ? UndoRingState::kSlots - 1 : state.undo.positions[s] - 1;
    // The canvas lets go of its pixels first, so that the sheet, which often
    // shares them, is written in place instead of copied.
    canvas->setPicture(QImage());
    m_undo->restore(s, state.undo.positions[s], currentSheetImage());
    canvas->setPicture(currentSheetImage().image());
}

} // namespace garabel
