#include "Ratio.h"
#include "Window4k.h"

#include "window/Button.h"
#include "window/PictureButton.h"

#include <benchmark/benchmark.h>

namespace {

using garabel::bench::Window4k;

// An undo click through the window at 4K: the undo button's click, the
// restore and the repaint it asks for. Eight squares are drawn first, so that
// the undos cycle through full rings whose states lie a square apart.
void undo_click_4k(benchmark::State &state)
{
    Window4k w;
    w.form->onSheetButton(0);  // the blank sheet instead of the start-up picture
    for (int n = 0; n < 8; ++n)
        garabel::bench::drawSquare(w, n);
    w.repaint();
    garabel::PictureButton *undo = w.probe().paletteButtons()[garabel::PaletteButton::Undo]->button();
    const int paintsBefore = w.paints.count;
    for (auto _ : state) {
        undo->click();
        w.repaint();
    }
    if (w.paints.count == paintsBefore)
        state.SkipWithError("the undo clicks repainted nothing");
    garabel::bench::compareWithMemcpy(state, w.canvasBytes());
}
BENCHMARK(undo_click_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

// An undo click and then a short line drawn through the window, each repainted:
// what the first drawing after an undo costs as well.
void undo_then_line_4k(benchmark::State &state)
{
    Window4k w;
    w.form->onSheetButton(0);
    for (int n = 0; n < 8; ++n)
        garabel::bench::drawSquare(w, n);
    w.form->onPaletteButton(garabel::PaletteButton::Line);
    w.repaint();
    garabel::PictureButton *undo = w.probe().paletteButtons()[garabel::PaletteButton::Undo]->button();
    for (auto _ : state) {
        undo->click();
        w.repaint();
        w.send(QEvent::MouseMove, 1000, 1000, Qt::NoButton);
        w.send(QEvent::MouseButtonPress, 1000, 1000, Qt::LeftButton);
        w.send(QEvent::MouseMove, 1200, 1100, Qt::LeftButton);
        w.send(QEvent::MouseButtonRelease, 1200, 1100, Qt::NoButton);
        w.repaint();
    }
    garabel::bench::compareWithMemcpy(state, w.canvasBytes());
}
BENCHMARK(undo_then_line_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
