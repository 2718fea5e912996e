#include "Ratio.h"
#include "Window4k.h"


#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using garabel::bench::kHeight;
using garabel::bench::kWidth;
using garabel::bench::Window4k;

// A pointer wandering over the middle third of the canvas, for the preview.
QPoint wanderingPoint(int step)
{
    return QPoint(kWidth / 3 + (step * 37) % (kWidth / 3), kHeight / 3 + (step * 23) % (kHeight / 3));
}

// A hand drawing rows across the middle third, one grid step (20 pixels) a move.
QPoint handPoint(int step)
{
    const int across = kWidth / 3 / 20;
    return QPoint(kWidth / 3 + step % across * 20, kHeight / 3 + step / across % (kHeight / 3 / 20) * 20);
}

// The tool in red with the three mirrors on, on a canvas that must be 4K.
bool drawsInRedWithAllMirrors(benchmark::State &state, Window4k &w, garabel::PaletteButton tool)
{
    if (!w.isFourK()) {
        state.SkipWithError("the canvas is not 3840 x 2160");
        return false;
    }
    w.platform.colorAnswers.push_back(garabel::rgb(255, 0, 0));
    w.form->onPaletteButton(garabel::PaletteButton::ColourDialog);
    for (int mirror = 1; mirror <= 3; ++mirror)
        w.form->onMirrorButton(mirror);
    w.form->onPaletteButton(garabel::PaletteButton(tool));
    return true;
}

void finish(benchmark::State &state, Window4k &w)
{
    if (w.paints.count < state.iterations())
        state.SkipWithError("the canvas did not repaint on every move");
    garabel::bench::compareWithMemcpy(state, w.canvasBytes());
}

// One move with the line tool's button held: refresh, crosshair, the line and
// its three mirror copies on the overlay, and the canvas repaint.
void move_preview_4k(benchmark::State &state)
{
    Window4k w;
    if (!drawsInRedWithAllMirrors(state, w, garabel::PaletteButton::Line))
        return;
    w.send(QEvent::MouseButtonPress, kWidth / 8, kHeight / 8, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        const QPoint p = wanderingPoint(step++);
        w.send(QEvent::MouseMove, p.x(), p.y(), Qt::LeftButton);
        w.repaint();
    }
    finish(state, w);
}
BENCHMARK(move_preview_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

// One freehand move with the three mirrors: four segments into the canvas and
// four into the sheet, and the canvas repaint.
void freehand_move_4k(benchmark::State &state)
{
    Window4k w;
    if (!drawsInRedWithAllMirrors(state, w, garabel::PaletteButton::Freehand))
        return;
    const QPoint start = handPoint(0);
    w.send(QEvent::MouseMove, start.x(), start.y(), Qt::NoButton);
    w.send(QEvent::MouseButtonPress, start.x(), start.y(), Qt::LeftButton);
    int step = 1;
    for (auto _ : state) {
        const QPoint p = handPoint(step++);
        w.send(QEvent::MouseMove, p.x(), p.y(), Qt::LeftButton);
        w.repaint();
    }
    finish(state, w);
}
BENCHMARK(freehand_move_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
