#include "app/Form1.h"
#include "app/SnapshotStore.h"
#include "platform/Surface.h"

namespace garabel {

void Form1::LoadUndoSlots()
{
    m_undo->createSlots(DrawingState::kSheets, DrawingState::kUndoSlots);
}

// Stores the current sheet as it is now in the slot the ring points at, and
// moves the ring on.
void Form1::PushUndoSnapshot()
{
    captureIntoRing();
    settleUndoSnapshot();
}

void Form1::PushTentativeUndoSnapshot()
{
    const int s = state.Sheet;
    const UndoMark mark{s, state.UndoPos[s], state.SnapshotPending};
    captureIntoRing();
    m_tentativePush = mark;
}

void Form1::DropUnchangedUndoSnapshot()
{
    const std::optional<UndoMark> mark = m_tentativePush;
    if (mark && mark->sheet == state.Sheet && m_undo->unchangedSinceCapture(mark->sheet, sheet())) {
        m_undo->withdrawCapture(mark->sheet, mark->pos);
        state.UndoPos[mark->sheet] = mark->pos;
        state.SnapshotPending = mark->pending;
    }
    settleUndoSnapshot();
}

void Form1::captureIntoRing()
{
    const int s = state.Sheet;
    m_undo->capture(s, state.UndoPos[s], sheet());
    state.UndoPos[s] = state.UndoPos[s] + 1 == DrawingState::kUndoSlots ? 0 : state.UndoPos[s] + 1;
    state.SnapshotPending = true;
}

void Form1::settleUndoSnapshot()
{
    m_tentativePush.reset();
    m_undo->settleCapture();
}

// Steps the current sheet back through its ring; the first step after a push
// first stores the present state, so that cycling round the ring brings it back.
void Form1::UndoStep()
{
    const int s = state.Sheet;
    if (state.SnapshotPending) {
        m_undo->capture(s, state.UndoPos[s], sheet());
        state.SnapshotPending = false;
    }
    settleUndoSnapshot();
    state.UndoPos[s] = state.UndoPos[s] - 1 == -1 ? DrawingState::kUndoSlots - 1 : state.UndoPos[s] - 1;
    // The canvas lets go of its pixels first, so that the sheet, which often
    // shares them, is written in place instead of copied.
    Picture1->setPicture(QImage());
    m_undo->restore(s, state.UndoPos[s], sheet());
    Picture1->setPicture(sheet().image());
}

} // namespace garabel
