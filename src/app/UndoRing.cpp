#include "app/UndoRing.h"

#include "app/Sheets.h"
#include "platform/ShownSurface.h"

namespace garabel {

UndoRing::UndoRing(Sheets &sheets, Surface &canvas) : m_sheets(sheets), m_canvas(canvas)
{
    m_store.createSlots(int(m_positions.size()), kSlots);
}

void UndoRing::push()
{
    captureIntoRing();
    settle();
}

void UndoRing::pushTentative()
{
    const int s = m_sheets.currentIndex();
    const Mark mark{s, m_positions[s], m_snapshotPending};
    captureIntoRing();
    m_tentativePush = mark;
}

void UndoRing::dropIfUnchanged()
{
    const std::optional<Mark> mark = m_tentativePush;
    if (mark && mark->sheet == m_sheets.currentIndex()
        && m_store.unchangedSinceCapture(mark->sheet, m_sheets.current())) {
        m_store.withdrawCapture(mark->sheet, mark->pos);
        m_positions[mark->sheet] = mark->pos;
        m_snapshotPending = mark->pending;
    }
    settle();
}

void UndoRing::captureIntoRing()
{
    const int s = m_sheets.currentIndex();
    m_store.capture(s, m_positions[s], m_sheets.current());
    m_positions[s] = m_positions[s] + 1 == kSlots ? 0 : m_positions[s] + 1;
    m_snapshotPending = true;
}

void UndoRing::settle()
{
    m_tentativePush.reset();
    m_store.settleCapture();
}

void UndoRing::undo()
{
    const int s = m_sheets.currentIndex();
    if (m_snapshotPending) {
        m_store.capture(s, m_positions[s], m_sheets.current());
        m_snapshotPending = false;
    }
    settle();
    // The steps before were given up to keep the rings within their memory.
    if (m_store.givenUp(s, m_positions[s] == 0 ? kSlots - 1 : m_positions[s] - 1))
        return;
    m_positions[s] = m_positions[s] - 1 == -1 ? kSlots - 1 : m_positions[s] - 1;
    // The canvas lets go of its pixels first, so that the sheet, which often
    // shares them, is written in place instead of copied.
    m_canvas.setPicture(QImage());
    m_store.restore(s, m_positions[s], m_sheets.current());
    m_canvas.setPicture(m_sheets.current().image());
}

} // namespace garabel
