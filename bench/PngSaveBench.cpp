#include "Ratio.h"

#include "files/PictureFile.h"
#include "raster/Surface.h"
#include "raster/Units.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 3840, kHeight = 2160;

// A 4K drawing as the program makes one: lines, outlines, filled boxes,
// circles and ellipses in a few colours and pen widths on white.
QImage drawing4k()
{
    const double twips = garabel::kTwipsPerPixel;
    garabel::Surface surface;
    surface.setBackColor(garabel::kWhite);
    surface.setWidth((kWidth + 2 * garabel::Surface::kBorder) * twips);
    surface.setHeight((kHeight + 2 * garabel::Surface::kBorder) * twips);
    const garabel::Rgb colours[] = {garabel::kBlack, garabel::rgb(255, 0, 0), garabel::kBlue,
                                    garabel::rgb(0, 128, 0), garabel::rgb(255, 128, 0)};
    for (int n = 0; n < 150; ++n) {
        const double x = (n * 331) % (kWidth - 700) * twips, y = (n * 197) % (kHeight - 500) * twips;
        const double w = (60 + (n * 53) % 600) * twips, h = (60 + (n * 71) % 400) * twips;
        const garabel::Rgb colour = colours[n % 5];
        const garabel::Pen pen{.width = 1 + n % 4};
        const garabel::SurfaceLayer layer = surface.stored(pen);
        switch (n % 5) {
        case 0: layer.line(x, y, x + w, y + h, colour); break;
        case 1: layer.box(x, y, x + w, y + h, colour); break;
        case 2: layer.filledBox(x, y, x + w / 3, y + h / 3, colour); break;
        case 3: layer.circle(x + w / 2, y + h / 2, h / 2, colour); break;
        default: layer.ellipse(x + w / 2, y + h / 2, w / 2, colour, 0.5); break;
        }
    }
    return surface.renderedImage();
}

// Saving a 4K drawing as a PNG file, as the save button does.
void png_save_4k(benchmark::State &state)
{
    const QImage drawing = drawing4k();
    QTemporaryDir dir;
    const QString path = dir.filePath("dibujo.png");
    for (auto _ : state) {
        if (!garabel::writePicture(drawing, path, garabel::PictureKind::Png).ok())
            state.SkipWithError("the PNG was not written");
    }
    garabel::bench::compareWithMemcpy(state, std::size_t(kWidth) * kHeight * 4);
}
BENCHMARK(png_save_4k)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
