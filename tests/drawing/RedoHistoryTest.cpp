#include "drawing/Sheets.h"
#include "drawing/UndoRing.h"
#include "raster/Surface.h"

#include "support/SurfaceProbe.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace garabel::test {
namespace {

constexpr int kSheets = 3;
constexpr int kWidth = 128, kHeight = 64;  // two tiles

// What one sheet's history says: the states undo goes back to (no more than
// the six its ring keeps behind the present; beyond them undo comes round the
// ring, which this does not follow) and the states redo must bring back.
struct History {
    QImage present;
    std::vector<QImage> back, ahead;

    void remember(const QImage &state)
    {
        back.push_back(state);
        if (back.size() > std::size_t(UndoRing::kSlots - 1))
            back.erase(back.begin());
    }
    // What an undo from `before` shows, when the history knows it.
    std::optional<QImage> undo(const QImage &before)
    {
        ahead.push_back(before);
        if (back.empty())
            return {};
        const QImage to = back.back();
        back.pop_back();
        return to;
    }
    // What a redo from `before` shows.
    QImage redo(const QImage &before)
    {
        if (ahead.empty())
            return before;
        remember(before);
        const QImage to = ahead.back();
        ahead.pop_back();
        return to;
    }
};

// Three sheets over the undo rings, driven at random, with the history of each beside them.
class RandomSteps
{
public:
    explicit RandomSteps(unsigned seed) : m_random(seed)
    {
        for (int i = 0; i < kSheets; ++i) {
            auto sheet = std::make_unique<Surface>();
            giveInnerSize(*sheet, kWidth, kHeight);
            m_sheets.add(std::move(sheet));
            m_history.push_back({shown(i), {}, {}});
        }
    }

    // One drawing, undo, redo or sheet switch: what went wrong, empty when nothing did.
    std::string step()
    {
        const int s = m_sheets.currentIndex();
        History &h = m_history[s];
        const QImage before = shown(s);
        std::string what;
        switch (pick(10)) {
        case 0: case 1: case 2: draw(h); what = "draw"; break;
        case 3: case 4: case 5:
            m_ring.undo();
            what = "undo";
            if (const auto to = h.undo(before); to && shown(s) != *to)
                return "undo shows a state the sheet never had there";
            break;
        case 6: case 7:
            m_ring.redo();
            what = "redo";
            if (shown(s) != h.redo(before))
                return "redo does not bring back what undo took";
            break;
        default: m_sheets.switchTo(pick(kSheets)); what = "switch"; break;
        }
        h.present = shown(s);
        for (int i = 0; i < kSheets; ++i) {
            if (shown(i) != m_history[i].present || m_ring.redoSteps(i) != int(m_history[i].ahead.size()))
                return what + " leaves sheet " + std::to_string(i) + " unlike its history";
        }
        return {};
    }

private:
    int pick(int below) { return int(m_random() % unsigned(below)); }
    QImage shown(int sheet) const { return m_sheets.image(sheet).renderedImage(); }

    // A box, never white, after a push as a release makes it or a tentative
    // push as a stroke makes it; or a stroke given up, which changes nothing.
    void draw(History &h)
    {
        const int kind = pick(3);
        kind == 0 ? m_ring.push() : m_ring.pushTentative();
        const int x = pick(kWidth), y = pick(kHeight);
        const Pen pen;
        m_sheets.current().stored(pen, Units::Pixels).filledBox(x, y, x + pick(40), y + pick(40), rgb(pick(200), pick(256), pick(256)));
        if (kind == 2)
            m_ring.takeBackTentative();
        else if (m_ring.dropIfUnchanged()) {
            h.remember(h.present);
            h.ahead.clear();
        }
    }

    std::mt19937 m_random;
    Sheets m_sheets;
    UndoRing m_ring{m_sheets};
    std::vector<History> m_history;
};

TEST(RedoHistory, RandomStepsOverThreeSheetsRedoEveryUndoOfEachSheet)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        RandomSteps steps(seed);
        for (int n = 0; n < 600; ++n)
            ASSERT_EQ(steps.step(), "") << "seed " << seed << ", step " << n;
    }
}

} // namespace
} // namespace garabel::test
