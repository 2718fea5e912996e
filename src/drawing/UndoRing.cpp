#include "drawing/UndoRing.h"

#include "drawing/Sheets.h"
#include "raster/Surface.h"

namespace garabel {

UndoRing::UndoRing(Sheets &sheets) : m_sheets(sheets)
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
    const Mark mark{s, m_positions[s], m_snapshotPending, m_sheetSteps[s]};
    captureIntoRing();
    m_tentativePush = mark;
}

bool UndoRing::dropIfUnchanged()
{
    const std::optional<Mark> mark = m_tentativePush;
    const bool unchanged = mark && mark->sheet == m_sheets.currentIndex()
                           && m_store.unchangedSinceCapture(mark->sheet, m_sheets.current());
    if (unchanged)
        withdraw(*mark);
    settle();
    return !unchanged;
}

std::vector<QRect> UndoRing::takeBackTentative()
{
    const std::optional<Mark> mark = m_tentativePush;
    std::vector<QRect> changed;
    if (mark && mark->sheet == m_sheets.currentIndex()) {
        changed = m_store.restore(mark->sheet, mark->pos, m_sheets.current());
        withdraw(*mark);
    }
    settle();
    return changed;
}

void UndoRing::withdraw(const Mark &mark)
{
    m_store.withdrawCapture(mark.sheet, mark.pos);
    m_positions[mark.sheet] = mark.pos;
    m_snapshotPending = mark.pending;
    m_sheetSteps[mark.sheet] = mark.steps;
}

// A push comes before every change of the sheet, so it ends the redo steps.
void UndoRing::captureIntoRing()
{
    const int s = m_sheets.currentIndex();
    m_store.capture(s, m_positions[s], m_sheets.current());
    m_positions[s] = m_positions[s] + 1 == kSlots ? 0 : m_positions[s] + 1;
    m_snapshotPending = true;
    m_sheetSteps[s] = {0, false};
}

void UndoRing::settle()
{
    m_tentativePush.reset();
    m_store.settleCapture();
}

std::vector<QRect> UndoRing::undo()
{
    const int s = m_sheets.currentIndex();
    // The state left behind is in the ring when it is stored now, or when the
    // sheet holds the slot it is at. (A pending snapshot of another sheet may
    // have been taken by an undo there, and then this sheet's latest state is
    // in no slot: there is nothing for redo to come back to.)
    const bool kept = m_snapshotPending || m_sheetSteps[s].atSlot;
    if (m_snapshotPending) {
        m_store.capture(s, m_positions[s], m_sheets.current());
        m_snapshotPending = false;
    }
    settle();
    // The steps before were given up to keep the rings within their memory.
    if (m_store.givenUp(s, m_positions[s] == 0 ? kSlots - 1 : m_positions[s] - 1))
        return {};
    m_positions[s] = m_positions[s] - 1 == -1 ? kSlots - 1 : m_positions[s] - 1;
    m_sheetSteps[s] = {kept ? m_sheetSteps[s].redo + 1 : 0, true};
    return restoreSlot(s);
}

std::vector<QRect> UndoRing::redo()
{
    const int s = m_sheets.currentIndex();
    if (m_sheetSteps[s].redo == 0)
        return {};
    settle();
    m_positions[s] = m_positions[s] + 1 == kSlots ? 0 : m_positions[s] + 1;
    --m_sheetSteps[s].redo;
    return restoreSlot(s);
}

std::vector<QRect> UndoRing::restoreSlot(int sheet)
{
    return m_store.restore(sheet, m_positions[sheet], m_sheets.image(sheet));
}

} // namespace garabel
