#include "Ratio.h"
#include "Window4k.h"

#include "drawing/UndoRing.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

using garabel::bench::kHeight;
using garabel::bench::kWidth;
using garabel::bench::Window4k;

// Photo-like pictures to open: noise, which no tile of another picture shares.
QString writeNoisePicture(const QTemporaryDir &dir, unsigned seed)
{
    std::minstd_rand random(seed);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x)
            row[x] = 0xFF000000u | unsigned(random());
    }
    const QString path = dir.filePath(QStringLiteral("noise%1.bmp").arg(seed));
    image.save(path);
    return path;
}

// Bytes held by all undo rings after a 4K noise picture was opened eight times
// on each of the ten sheets (each opening pushes a step), divided by one full
// image: what the rings weigh when every step is a photo. Without a budget they
// would hold 70 images.
void undo_memory_photos_4k(benchmark::State &state)
{
    QTemporaryDir dir;
    std::vector<QString> pictures;
    // Two suffice: each opening is a new state of every tile, held apart.
    for (unsigned seed = 1; seed <= 2; ++seed)
        pictures.push_back(writeNoisePicture(dir, seed));
    Window4k w;
    for (auto _ : state) {
        for (int sheet = 0; sheet < 10; ++sheet) {
            w.form->onSheetButton(sheet);
            for (int n = 0; n < 8; ++n) {
                w.platform.openAnswers.push_back(pictures[std::size_t(sheet + n) % pictures.size()]);
                w.form->onPaletteButton(garabel::PaletteButton::Open);
            }
        }
    }
    if (w.probe().currentSheetImage().image().isNull())
        state.SkipWithError("the pictures were not opened");
    if (w.probe().undoRing().store().peakTileBytes() > garabel::SnapshotStore::defaultBudget())
        state.SkipWithError("the undo rings went past their budget");
    const double image = double(kWidth) * kHeight * 4;
    garabel::bench::reportValue(state, double(w.probe().undoRing().store().bytesHeld()) / image);
}
BENCHMARK(undo_memory_photos_4k)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
