#include "app/Form1.h"
#include "app/SnapshotStore.h"
#include "platform/Surface.h"

#include <utility>

namespace garabel {

void Form1::LoadUndoSlots()
{
    m_undo->createSlots(DrawingState::kSheets, DrawingState::kUndoSlots);
}

// Stores the current sheet as it is now in the slot the ring points at, and
// moves the ring on.
void Form1::PushUndoSnapshot()
{
    const int s = state.Sheet;
    m_lastPush = UndoMark{s, state.UndoPos[s], state.SnapshotPending};
    m_undo->capture(s, state.UndoPos[s], sheet());
    state.UndoPos[s] = state.UndoPos[s] + 1 == DrawingState::kUndoSlots ? 0 : state.UndoPos[s] + 1;
    state.SnapshotPending = true;
}

void Form1::DropUnchangedUndoSnapshot()
{
    const std::optional<UndoMark> mark = std::exchange(m_lastPush, std::nullopt);
    if (!mark || mark->sheet != state.Sheet || !m_undo->unchangedSinceCapture(mark->sheet, sheet()))
        return;
    m_undo->withdrawCapture(mark->sheet, mark->pos);
    state.UndoPos[mark->sheet] = mark->pos;
    state.SnapshotPending = mark->pending;
}

// Steps the current sheet back through its ring; the first step after a push
// first stores the present state, so that cycling round the ring brings it back.
void Form1::UndoStep()
{
    const int s = state.Sheet;
    m_lastPush.reset();
    if (state.SnapshotPending) {
        m_undo->capture(s, state.UndoPos[s], sheet());
        state.SnapshotPending = false;
    }
    state.UndoPos[s] = state.UndoPos[s] - 1 == -1 ? DrawingState::kUndoSlots - 1 : state.UndoPos[s] - 1;
    // The canvas lets go of its pixels first, so that the sheet, which often
    // shares them, is written in place instead of copied.
    Picture1->setPicture(QImage());
    m_undo->restore(s, state.UndoPos[s], sheet());
    Picture1->setPicture(sheet().image());
}

} // namespace garabel
