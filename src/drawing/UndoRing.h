#pragma once

#include "drawing/DrawingState.h"
#include "drawing/SnapshotStore.h"
#include "drawing/UndoSteps.h"

#include <array>
#include <optional>
#include <vector>

namespace garabel {

class Sheets;

// Each sheet's undo ring of kSlots pictures, over the snapshot store. A push
// stores the current sheet in the slot the ring points at and moves on; undo
// steps back, and cycling round the ring brings the newest state back. Redo
// walks forward again over the steps that undo walked since the sheet last
// changed. The ring changes the sheets only; showing them is the caller's.
class UndoRing : public UndoSteps
{
public:
    static constexpr int kSlots = 7;

    explicit UndoRing(Sheets &sheets);

    void push();
    // A push that the end of the same release takes back when the sheet has not
    // changed since, so that a release that drew nothing leaves no step to undo.
    void pushTentative() override;
    bool dropIfUnchanged() override;
    // Puts the sheet back as the tentative push took it and withdraws that
    // push, as if it had never been made: a stroke cancelled halfway. Returns
    // the areas of the sheet that changed, in pixels; none without such a push.
    std::vector<QRect> takeBackTentative() override;
    // Steps the current sheet back one slot. Returns the areas of the sheet
    // that changed, in pixels.
    std::vector<QRect> undo();
    // Takes back the last undo of the current sheet, when it has one to take
    // back (redoSteps); returns the areas that changed, none without a step.
    // Steps given up to the memory budget are passed over to the next kept one.
    std::vector<QRect> redo();

    // The slot of the sheet's last push.
    int position(int sheet) const { return m_positions[sheet]; }
    // How many undos of the sheet redo can still take back: the undos since
    // the sheet last changed, less the redos since.
    int redoSteps(int sheet) const { return m_sheetSteps[sheet].redo; }
    // A push on the sheet waits to be undone first: the sheet's first undo
    // stores its present state, where redo finds it again.
    bool snapshotPending(int sheet) const { return m_sheetSteps[sheet].pending; }
    bool snapshotPending() const;
    const SnapshotStore &store() const { return m_store; }
    // The tile pixels all rings may hold (SnapshotStore::setBudget).
    void setMemoryBudget(std::size_t bytes) { m_store.setBudget(bytes); }

private:
    static int next(int slot) { return slot + 1 == kSlots ? 0 : slot + 1; }
    static int previous(int slot) { return slot == 0 ? kSlots - 1 : slot - 1; }
    void captureIntoRing();
    void settle();
    std::vector<QRect> restoreSlot(int sheet);

    // Per sheet: the redo steps left, and whether a push waits for an undo.
    // Without a push waiting the sheet holds just what its ring's slot at its
    // position holds, so every undo leaves a state that redo finds again.
    struct SheetSteps {
        int redo = 0;
        bool pending = false;
    };

    Sheets &m_sheets;
    SnapshotStore m_store;
    std::array<int, kSheetCount> m_positions{};
    std::array<SheetSteps, kSheetCount> m_sheetSteps{};
    // The ring position and steps from before a tentative push, from the press
    // or release that made it to the end of that release.
    struct Mark {
        int sheet, pos;
        SheetSteps steps;
    };
    std::optional<Mark> m_tentativePush;
    // The ring as it was before the push the mark was taken for.
    void withdraw(const Mark &mark);
};

} // namespace garabel
