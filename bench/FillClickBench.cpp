#include "Fills.h"
#include "Ratio.h"
#include "Window4k.h"

#include <benchmark/benchmark.h>

namespace {

using garabel::bench::kHeight;
using garabel::bench::kWidth;
using garabel::bench::Window4k;

// One click of the fill tool through the window on a 4K canvas: the press, the
// release (the undo push, the fill of the sheet and of the canvas) and the
// repaint. The colours alternate, so that every click fills the whole canvas.
void fill_click_4k(benchmark::State &state)
{
    Window4k w;
    if (!w.isFourK()) {
        state.SkipWithError("the canvas is not 3840 x 2160");
        return;
    }
    w.form->onPaletteButton(garabel::PaletteButton::Fill);
    w.form->onPaletteButton(garabel::PaletteButton::MoveFreely);
    const garabel::Rgb colours[] = {garabel::rgb(200, 40, 40), garabel::rgb(40, 40, 200)};
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.platform.colorAnswers.push_back(colours[n % 2]);
        w.form->onPaletteButton(garabel::PaletteButton::ColourDialog);
        // The sheet forgets that the last click left it one colour, so that
        // this click takes the scan of a first fill, not the refill's shortcut.
        const garabel::Surface &sheet = w.probe().currentSheetImage();
        garabel::bench::forgetOneColour(const_cast<garabel::Surface &>(sheet), sheet.pixel(0, 0));
        w.send(QEvent::MouseMove, 1000 + n % 2, 600, Qt::NoButton);
        w.repaint();
        const int paintsBefore = w.paints.count;
        state.ResumeTiming();
        w.send(QEvent::MouseButtonPress, 1000 + n % 2, 600, Qt::LeftButton);
        w.send(QEvent::MouseButtonRelease, 1000 + n % 2, 600, Qt::NoButton);
        w.repaint();
        if (w.paints.count == paintsBefore)
            state.SkipWithError("the click did not repaint the canvas");
        ++n;
    }
    const QImage canvas = w.probe().canvas().image();
    const QRgb last = garabel::toQRgb(colours[(n - 1) % 2]);
    if (canvas.isNull() || canvas.pixel(0, 0) != last || canvas.pixel(kWidth - 1, kHeight - 1) != last)
        state.SkipWithError("the click did not fill the whole canvas");
    garabel::bench::compareWithMemcpy(state, w.canvasBytes());
}
BENCHMARK(fill_click_4k)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
