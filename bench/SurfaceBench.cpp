#include "Fills.h"
#include "Ratio.h"
#include "Window4k.h"

#include "desktop/SurfaceView.h"
#include "raster/ShownSurface.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

using garabel::ShownSurface;
using garabel::Surface;
using garabel::SurfaceView;
using garabel::bench::PaintCounter;

void giveInnerSize(Surface &surface, int width, int height)
{
    surface.setWidth((width + 2 * Surface::kBorder) * garabel::kTwipsPerPixel);
    surface.setHeight((height + 2 * Surface::kBorder) * garabel::kTwipsPerPixel);
}

// One pointer move on a canvas: the overlay goes, the crosshair and a long
// preview line come, and the view repaints what changed.
void repaintMove(benchmark::State &state, int width, int height)
{
    ShownSurface surface;
    giveInnerSize(surface, width, height);
    const garabel::Pen pen;
    const garabel::SurfaceLayer overlay = surface.overlay(pen, garabel::Units::Pixels);
    surface.setPicture(surface.renderedImage());  // a canvas with stored pixels
    SurfaceView view(surface);
    view.show();
    for (int i = 0; i < 100 && !(view.windowHandle() && view.windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    PaintCounter paints;
    view.installEventFilter(&paints);

    const int anchorX = width / 8, anchorY = height / 8;
    int step = 0;
    for (auto _ : state) {
        const int x = width / 2 + step % (width / 4);
        const int y = height / 2 + (3 * step) % (height / 4);
        surface.refresh();
        overlay.line(0, y, width - 1, y);
        overlay.line(x, 0, x, height - 1);
        overlay.line(anchorX, anchorY, x, y);
        QCoreApplication::sendPostedEvents(&view, QEvent::UpdateRequest);
        step += 7;
    }
    if (paints.count < state.iterations())
        state.SkipWithError("the view did not repaint on every move");
    garabel::bench::compareWithMemcpy(state, std::size_t(surface.image().sizeInBytes()));
}

void repaint_move_fhd(benchmark::State &state)
{
    repaintMove(state, 1920, 1080);
}
BENCHMARK(repaint_move_fhd)->UseRealTime()->Unit(benchmark::kMicrosecond);

void repaint_move_4k(benchmark::State &state)
{
    repaintMove(state, 3840, 2160);
}
BENCHMARK(repaint_move_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

// Flood fill of a whole 4K surface of one colour, alternating the colour so that
// every iteration fills the whole image again, by the scan a first fill takes.
void fill_4k(benchmark::State &state)
{
    Surface surface;
    giveInnerSize(surface, 3840, 2160);
    garabel::Pen pen{.fillPattern = garabel::FillSolid};
    for (auto _ : state) {
        const garabel::Rgb area = surface.pixel(0, 0);
        pen.fillColour = area == garabel::kWhite ? garabel::kBlack : garabel::kWhite;
        state.PauseTiming();
        garabel::bench::forgetOneColour(surface, area);
        state.ResumeTiming();
        surface.floodFill(1920, 1080, area, pen);
    }
    if (surface.image().isNull())
        state.SkipWithError("nothing was filled");
    garabel::bench::compareWithMemcpy(state, std::size_t(surface.image().sizeInBytes()));
}
BENCHMARK(fill_4k)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
