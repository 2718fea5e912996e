#include "Ratio.h"
#include "Window4k.h"

#include <QEvent>

#include <benchmark/benchmark.h>

#include <cmath>

// Dragging a figure through the real window at 4K with the three mirrors on: one
// pointer move, from the event to the canvas painted into the window's backing
// store (the update request that the move posted is delivered, and the view's
// paint event runs), for each kind of figure.

namespace {

using garabel::PaletteButton;
using garabel::bench::kHeight;
using garabel::bench::kWidth;
using garabel::bench::Window4k;

// A pointer wandering over the middle third of the canvas, as in move_preview_4k.
QPoint wanderingPoint(int step)
{
    return QPoint(kWidth / 3 + (step * 37) % (kWidth / 3), kHeight / 3 + (step * 23) % (kHeight / 3));
}

// `choose` picks the tool and its options; the colour is red and all three
// mirrors are on. The drag starts at an eighth of the canvas from its corner
// and goes through `path(step)`, the wandering point unless told.
template <typename Choose, typename Path = QPoint (*)(int)>
void dragWithMirrors(benchmark::State &state, Choose &&choose, Path path = wanderingPoint)
{
    Window4k w;
    if (!w.isFourK()) {
        state.SkipWithError("the canvas is not 3840 x 2160");
        return;
    }
    // A line in a corner, on the sheet shown whole: the view paints from a
    // stored image, as it does once anything was drawn.
    w.form->onSheetButton(0);
    w.form->onPaletteButton(PaletteButton::Line);
    w.send(QEvent::MouseMove, 10, 10, Qt::NoButton);
    w.send(QEvent::MouseButtonPress, 10, 10, Qt::LeftButton);
    w.send(QEvent::MouseMove, 100, 10, Qt::LeftButton);
    w.send(QEvent::MouseButtonRelease, 100, 10, Qt::NoButton);
    w.platform.colorAnswers.push_back(garabel::rgb(255, 0, 0));
    w.form->onPaletteButton(PaletteButton::ColourDialog);
    for (int mirror = 1; mirror <= 3; ++mirror)
        w.form->onMirrorButton(mirror);
    choose(*w.form);
    w.send(QEvent::MouseMove, kWidth / 8, kHeight / 8, Qt::NoButton);
    w.send(QEvent::MouseButtonPress, kWidth / 8, kHeight / 8, Qt::LeftButton);
    w.repaint();
    const int paintsBefore = w.paints.count;
    int step = 0;
    for (auto _ : state) {
        const QPoint p = path(step++);
        w.send(QEvent::MouseMove, p.x(), p.y(), Qt::LeftButton);
        w.repaint();
    }
    if (w.paints.count - paintsBefore < state.iterations())
        state.SkipWithError("the canvas did not repaint on every move");
    garabel::bench::compareWithMemcpy(state, w.canvasBytes());
}

void drag_line_mirrors_4k(benchmark::State &state)
{
    dragWithMirrors(state, [](garabel::MainWindow &form) { form.onPaletteButton(PaletteButton::Line); });
}
BENCHMARK(drag_line_mirrors_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

void drag_rect_mirrors_4k(benchmark::State &state)
{
    dragWithMirrors(state, [](garabel::MainWindow &form) { form.onPaletteButton(PaletteButton::Rectangle); });
}
BENCHMARK(drag_rect_mirrors_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

void drag_solid_rect_mirrors_4k(benchmark::State &state)
{
    dragWithMirrors(state, [](garabel::MainWindow &form) {
        form.onPaletteButton(PaletteButton::Rectangle);
        form.onFillPatternButton(garabel::FillSolid);
    });
}
BENCHMARK(drag_solid_rect_mirrors_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The circle tool's ellipse in the dragged box (kind 1).
void drag_ellipse_mirrors_4k(benchmark::State &state)
{
    dragWithMirrors(state, [](garabel::MainWindow &form) {
        form.onPaletteButton(PaletteButton::Circle);
        form.onCircleKindButton(1);
    });
}
BENCHMARK(drag_ellipse_mirrors_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The circle tool's half circle (kind 4), the anchor to the pointer as radius.
void drag_arc_mirrors_4k(benchmark::State &state)
{
    dragWithMirrors(state, [](garabel::MainWindow &form) {
        form.onPaletteButton(PaletteButton::Circle);
        form.onCircleKindButton(4);
    });
}
BENCHMARK(drag_arc_mirrors_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

// A filled ellipse of radius about 800 pixels (kind 1, solid), the pointer
// circling a few pixels a move as a hand's would, so that the repainted region
// is thin crescents of many rectangles. The repaint runs partly in Qt's threads:
// all of them are counted.
void drag_filled_ellipse_mirrors_4k(benchmark::State &state)
{
    const auto choose = [](garabel::MainWindow &form) {
        form.onPaletteButton(PaletteButton::Circle);
        form.onCircleKindButton(1);
        form.onFillPatternButton(garabel::FillSolid);
    };
    const auto circling = [](int step) {
        const double angle = step * 0.15;
        return QPoint(kWidth / 8 + 1600 + int(std::lround(20 * std::cos(angle))),
                      kHeight / 8 + 1600 + int(std::lround(20 * std::sin(angle))));
    };
    dragWithMirrors(state, choose, circling);
}
BENCHMARK(drag_filled_ellipse_mirrors_4k)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

} // namespace
