#include "Ratio.h"
#include "Window4k.h"

#include "drawing/Sheets.h"
#include "drawing/SnapshotStore.h"
#include "drawing/UndoRing.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>

namespace {

using garabel::bench::kHeight;
using garabel::bench::kWidth;
using garabel::bench::Window4k;
using garabel::bench::drawSquare;

constexpr int kFigureSide = 300;  // pixels changed by each figure
constexpr double kTwips = garabel::kTwipsPerPixel;

// The undo ring as the window has it, over a 4K canvas and ten 4K sheets.
struct UndoRig {
    UndoRig()
    {
        const auto size = [](garabel::Surface &s) {
            s.setBackColor(garabel::kWhite);
            s.setWidth((kWidth + 2 * garabel::Surface::kBorder) * kTwips);
            s.setHeight((kHeight + 2 * garabel::Surface::kBorder) * kTwips);
        };
        for (int i = 0; i < garabel::kSheetCount; ++i) {
            auto sheet = std::make_unique<garabel::Surface>();
            size(*sheet);
            sheets.add(std::move(sheet));
        }
    }
    garabel::Sheets sheets;
    garabel::UndoRing ring{sheets};
};

// A filled square of 300 x 300 pixels in the current sheet, as a committed
// figure leaves it; `n` moves it round the canvas.
void drawFigure(UndoRig &rig, int n)
{
    const int x = (n * 331) % (kWidth - kFigureSide), y = (n * 197) % (kHeight - kFigureSide);
    const garabel::Rgb colour = garabel::rgb(n * 37, n * 91, n * 53);
    const garabel::Pen pen;
    rig.sheets.current().stored(pen).filledBox(x * kTwips, y * kTwips, (x + kFigureSide - 1) * kTwips,
                                               (y + kFigureSide - 1) * kTwips, colour);
}

std::size_t fullImageBytes()
{
    return std::size_t(kWidth) * kHeight * 4;
}

// Bytes held by all undo rings after 70 pushes over the ten sheets, each after a
// figure, divided by the bytes of 70 full images.
void undo_memory_4k(benchmark::State &state)
{
    UndoRig rig;
    for (auto _ : state) {
        for (int i = 0; i < 70; ++i) {
            rig.sheets.switchTo(i % 10);
            drawFigure(rig, i);
            rig.ring.push();
        }
    }
    garabel::bench::reportValue(state, double(rig.ring.store().bytesHeld()) / (70.0 * fullImageBytes()));
}
BENCHMARK(undo_memory_4k)->Iterations(1)->Unit(benchmark::kMillisecond);

// Bytes held by all undo rings after eight fills of the whole canvas on each of
// the ten sheets, each fill in a colour of its own through the fill tool's
// release, divided by the bytes of the 70 full images that the full rings name.
void undo_memory_fills_4k(benchmark::State &state)
{
    Window4k w;
    garabel::MainWindow &form = *w.form;
    form.onPaletteButton(garabel::PaletteButton::Fill);
    form.onPaletteButton(garabel::PaletteButton::MoveFreely);
    for (auto _ : state) {
        for (int sheet = 0; sheet < 10; ++sheet) {
            form.onSheetButton(sheet);
            for (int n = 0; n < 8; ++n) {
                w.platform.colorAnswers.push_back(garabel::rgb(20 + n * 29, 200 - n * 23, 40 + sheet * 17));
                form.onPaletteButton(garabel::PaletteButton::ColourDialog);
                w.send(QEvent::MouseMove, 100 + n % 2, 100, Qt::NoButton);
                w.send(QEvent::MouseButtonPress, 100 + n % 2, 100, Qt::LeftButton);
                w.send(QEvent::MouseButtonRelease, 100 + n % 2, 100, Qt::NoButton);
            }
        }
    }
    const QImage last = w.probe().currentSheetImage().image();
    if (last.isNull() || last.pixel(kWidth - 1, kHeight - 1) != last.pixel(0, 0))
        state.SkipWithError("the fills did not cover the whole canvas");
    garabel::bench::reportValue(state, double(w.probe().undoRing().store().bytesHeld()) / (70.0 * fullImageBytes()));
}
BENCHMARK(undo_memory_fills_4k)->Iterations(1)->Unit(benchmark::kMillisecond);

// One push after a figure.
void undo_push_4k(benchmark::State &state)
{
    UndoRig rig;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        drawFigure(rig, n++);
        state.ResumeTiming();
        rig.ring.push();
    }
    garabel::bench::compareWithMemcpy(state, fullImageBytes());
}
BENCHMARK(undo_push_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

// One undo step: the snapshot back into the sheet (the canvas shows it from there).
void undo_step_4k(benchmark::State &state)
{
    UndoRig rig;
    for (int n = 0; n < 7; ++n) {
        drawFigure(rig, n);
        rig.ring.push();
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(rig.ring.undo());
    garabel::bench::compareWithMemcpy(state, fullImageBytes());
}
BENCHMARK(undo_step_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

// A grid button press with step 50: the canvas repainted, the sheet with the dots.
void grid_4k(benchmark::State &state)
{
    Window4k w;
    drawSquare(w, 1);
    for (auto _ : state) {
        w.form->onGridButton(0);
        w.repaint();
    }
    garabel::bench::compareWithMemcpy(state, fullImageBytes());
}
BENCHMARK(grid_4k)->UseRealTime()->Unit(benchmark::kMillisecond);

long residentBytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// What start-up on a 3840 x 2160 screen adds to the resident memory of the
// process (the window, its surfaces and the screen's backing store), divided by
// one full image. Run it on its own: other benchmarks leave memory behind.
void startup_memory_4k(benchmark::State &state)
{
    long added = 0;
    for (auto _ : state) {
        const long before = residentBytes();
        Window4k w;
        QCoreApplication::processEvents();
        added = residentBytes() - before;
    }
    garabel::bench::reportValue(state, double(added) / fullImageBytes());
}
BENCHMARK(startup_memory_4k)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
