#include "Ratio.h"
#include "Window4k.h"

#include <benchmark/benchmark.h>

namespace {

using garabel::bench::Window4k;

// The middle of the square that drawSquare() draws as its `n`th.
QPoint squareMiddle(int n)
{
    using garabel::bench::kHeight;
    using garabel::bench::kWidth;
    const int side = 300;
    return {(n * 331) % (kWidth - side) + side / 2, (n * 197) % (kHeight - side) + side / 2};
}

// A switch between two drawn sheets through the window at 4K: a click on the
// other sheet's button where the window shows it, and the repaint it asks for.
// Each sheet holds four squares of its own, so that the canvas changes with
// every switch. All threads are counted.
void sheet_switch_4k(benchmark::State &state)
{
    Window4k w;
    if (!w.isFourK()) {
        state.SkipWithError("the canvas is not 3840 x 2160");
        return;
    }
    const garabel::ButtonArray &sheets = w.probe().sheetButtons();
    for (int sheet : {1, 0}) {
        w.click(*sheets[sheet]);
        for (int n = 4 * sheet; n < 4 * sheet + 4; ++n)
            garabel::bench::drawSquare(w, n);
    }
    w.repaint();
    int shown = 0;
    for (auto _ : state) {
        shown = 1 - shown;
        w.click(*sheets[shown]);
        w.repaint();
    }
    // The last sheet clicked is on the canvas, with its own square.
    const QPoint own = squareMiddle(4 * shown);
    const garabel::Rgb drawn = w.probe().sheetImage(shown).pixel(own.x(), own.y());
    if (w.probe().currentSheet() != shown || drawn == w.probe().sheetImage(1 - shown).pixel(own.x(), own.y())
        || w.probe().canvas().composedImage().pixel(own) != garabel::toQRgb(drawn))
        state.SkipWithError("the clicks did not show the other sheet");
    garabel::bench::compareWithMemcpy(state, w.canvasBytes());
}
BENCHMARK(sheet_switch_4k)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

} // namespace
