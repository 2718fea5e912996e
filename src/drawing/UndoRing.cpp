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
    const Mark mark{s, m_positions[s], m_sheetSteps[s]};
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
    m_sheetSteps[mark.sheet] = mark.steps;
}

// A push comes before every change of the sheet, so it ends the redo steps.
void UndoRing::captureIntoRing()
{
    const int s = m_sheets.currentIndex();
    m_store.capture(s, m_positions[s], m_sheets.current());
    m_positions[s] = next(m_positions[s]);
    m_sheetSteps[s] = {0, true};
}

void UndoRing::settle()
{
    m_tentativePush.reset();
    m_store.settleCapture();
}

bool UndoRing::snapshotPending() const
{
    return snapshotPending(m_sheets.currentIndex());
}

std::vector<QRect> UndoRing::undo()
{
    const int s = m_sheets.currentIndex();
    SheetSteps &steps = m_sheetSteps[s];
    if (steps.pending) {
        m_store.capture(s, m_positions[s], m_sheets.current());
        steps.pending = false;
    }
    settle();
    // The steps before were given up to keep the rings within their memory.
    if (m_store.givenUp(s, previous(m_positions[s])))
        return {};
    m_positions[s] = previous(m_positions[s]);
    ++steps.redo;
    return restoreSlot(s);
}

std::vector<QRect> UndoRing::redo()
{
    const int s = m_sheets.currentIndex();
    SheetSteps &steps = m_sheetSteps[s];
    if (steps.redo == 0)
        return {};
    settle();
    // The state the undos started from is the ring's newest, which the budget keeps.
    do {
        m_positions[s] = next(m_positions[s]);
        --steps.redo;
    } while (steps.redo > 0 && m_store.givenUp(s, m_positions[s]));
    return restoreSlot(s);
}

std::vector<QRect> UndoRing::restoreSlot(int sheet)
{
    return m_store.restore(sheet, m_positions[sheet], m_sheets.image(sheet));
}

} // namespace garabel
