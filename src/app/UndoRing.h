#pragma once

#include "app/DrawingState.h"
#include "app/SnapshotStore.h"

#include <array>
#include <optional>

namespace garabel {

class Sheets;
class Surface;

// Each sheet's undo ring of kSlots pictures, over the snapshot store. A push
// stores the current sheet in the slot the ring points at and moves on; undo
// steps back, and cycling round the ring brings the newest state back.
class UndoRing
{
public:
    static constexpr int kSlots = 7;

    UndoRing(Sheets &sheets, Surface &canvas);

    void push();
    // A push that the end of the same release takes back when the sheet has not
    // changed since, so that a release that drew nothing leaves no step to undo.
    void pushTentative();
    void dropIfUnchanged();
    // Steps the current sheet back one slot and shows it on the canvas.
    void undo();

    // The slot of the sheet's last push.
    int position(int sheet) const { return m_positions[sheet]; }
    // A push waits to be undone first: the first undo stores the present state.
    bool snapshotPending() const { return m_snapshotPending; }
    const SnapshotStore &store() const { return m_store; }
    // The tile pixels all rings may hold (SnapshotStore::setBudget).
    void setMemoryBudget(std::size_t bytes) { m_store.setBudget(bytes); }

private:
    void captureIntoRing();
    void settle();

    Sheets &m_sheets;
    Surface &m_canvas;
    SnapshotStore m_store;
    std::array<int, kSheetCount> m_positions{};
    bool m_snapshotPending = false;
    // The ring position and pending flag from before a tentative push, from the
    // press or release that made it to the end of that release.
    struct Mark {
        int sheet, pos;
        bool pending;
    };
    std::optional<Mark> m_tentativePush;
};

} // namespace garabel
