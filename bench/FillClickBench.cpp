#include "Fills.h"
#include "Ratio.h"
#include "Window4k.h"

#include "window/Button.h"
#include "window/PictureButton.h"

#include <benchmark/benchmark.h>

namespace {

using garabel::bench::kHeight;
using garabel::bench::kWidth;
using garabel::bench::Window4k;

const garabel::Rgb kColours[] = {garabel::rgb(200, 40, 40), garabel::rgb(40, 40, 200)};

// The window at 4K with the fill tool, moving freely; null after telling the
// benchmark why it cannot run.
std::unique_ptr<Window4k> fillWindow(benchmark::State &state)
{
    auto w = std::make_unique<Window4k>();
    if (!w->isFourK()) {
        state.SkipWithError("the canvas is not 3840 x 2160");
        return nullptr;
    }
    w->form->onPaletteButton(garabel::PaletteButton::Fill);
    w->form->onPaletteButton(garabel::PaletteButton::MoveFreely);
    return w;
}

void chooseColour(Window4k &w, garabel::Rgb colour)
{
    w.platform.colorAnswers.push_back(colour);
    w.form->onPaletteButton(garabel::PaletteButton::ColourDialog);
}

// The pointer goes to (x, y) and the window catches up, outside the timing.
void pointAt(Window4k &w, int x, int y)
{
    w.send(QEvent::MouseMove, x, y, Qt::NoButton);
    w.repaint();
}

// One click of the fill tool where the pointer is: the press, the release (the
// undo push, the fill of the sheet) and the repaint.
void click(benchmark::State &state, Window4k &w, int x, int y)
{
    const int paintsBefore = w.paints.count;
    w.send(QEvent::MouseButtonPress, x, y, Qt::LeftButton);
    w.send(QEvent::MouseButtonRelease, x, y, Qt::NoButton);
    w.repaint();
    if (w.paints.count == paintsBefore)
        state.SkipWithError("the click did not repaint the canvas");
}

void expectWholeCanvas(benchmark::State &state, const Window4k &w, garabel::Rgb colour)
{
    const QImage canvas = w.probe().canvas().composedImage();
    const QRgb expected = garabel::toQRgb(colour);
    if (canvas.isNull() || canvas.pixel(0, 0) != expected || canvas.pixel(kWidth - 1, kHeight - 1) != expected)
        state.SkipWithError("the click did not fill the whole canvas");
}

// One click of the fill tool through the window on a 4K canvas. The colours
// alternate, so that every click fills the whole canvas.
void fill_click_4k(benchmark::State &state)
{
    const auto w = fillWindow(state);
    if (!w)
        return;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        chooseColour(*w, kColours[n % 2]);
        // The sheet forgets that the last click left it one colour, so that
        // this click takes the scan of a first fill, not the refill's shortcut.
        const garabel::Surface &sheet = w->probe().currentSheetImage();
        garabel::bench::forgetOneColour(const_cast<garabel::Surface &>(sheet), sheet.pixel(0, 0));
        pointAt(*w, 1000 + n % 2, 600);
        state.ResumeTiming();
        click(state, *w, 1000 + n % 2, 600);
        ++n;
    }
    expectWholeCanvas(state, *w, kColours[(n - 1) % 2]);
    garabel::bench::compareWithMemcpy(state, w->canvasBytes());
}
BENCHMARK(fill_click_4k)->UseRealTime()->Unit(benchmark::kMillisecond);

// A fill of the blank sheet, as fresh as after a clear (no pixels on the
// sheet or the canvas yet), or right after the undo of such a fill, which gave
// the sheet its blank back. All threads are counted.
void fillBlank(benchmark::State &state, bool afterUndo)
{
    const auto w = fillWindow(state);
    if (!w)
        return;
    garabel::PictureButton *undo = w->probe().paletteButtons()[garabel::PaletteButton::Undo]->button();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w->form->onPaletteButton(garabel::PaletteButton::Clear);
        pointAt(*w, 1000, 600);
        if (afterUndo) {
            chooseColour(*w, kColours[(n + 1) % 2]);
            click(state, *w, 1000, 600);
            undo->click();
            w->repaint();
        }
        chooseColour(*w, kColours[n % 2]);
        state.ResumeTiming();
        click(state, *w, 1000, 600);
        ++n;
    }
    expectWholeCanvas(state, *w, kColours[(n - 1) % 2]);
    garabel::bench::compareWithMemcpy(state, w->canvasBytes());
}

void fill_fresh_click_4k(benchmark::State &state)
{
    fillBlank(state, false);
}
BENCHMARK(fill_fresh_click_4k)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void fill_after_undo_click_4k(benchmark::State &state)
{
    fillBlank(state, true);
}
BENCHMARK(fill_after_undo_click_4k)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// A fill click on a 4K comb, the sheet's picture: one-pixel walls on every
// other column below an open top row, so that the area is 1,920 runs of one
// pixel on every row. The colours alternate; every click takes the whole area.
void fill_comb_click_4k(benchmark::State &state)
{
    const auto w = fillWindow(state);
    if (!w)
        return;
    const garabel::Surface &sheet = w->probe().currentSheetImage();
    const_cast<garabel::Surface &>(sheet).setPicture(garabel::bench::combPicture(kWidth, kHeight, 2, false));
    w->form->onSheetButton(w->probe().currentSheet());
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        chooseColour(*w, kColours[n % 2]);
        const int x = 1000 + 2 * (n % 2);
        pointAt(*w, x, 600);
        state.ResumeTiming();
        click(state, *w, x, 600);
        ++n;
    }
    const QImage canvas = w->probe().canvas().composedImage();
    if (canvas.isNull() || canvas.pixel(kWidth - 2, kHeight - 1) != garabel::toQRgb(kColours[(n - 1) % 2]))
        state.SkipWithError("the click did not fill the comb");
    garabel::bench::compareWithMemcpy(state, w->canvasBytes());
}
BENCHMARK(fill_comb_click_4k)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

} // namespace
