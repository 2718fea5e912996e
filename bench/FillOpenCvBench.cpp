// The program's fill and OpenCV's cv::floodFill side by side in the same run,
// on the same 4K pictures. Built only where OpenCV is installed.
#include "Fills.h"
#include "Ratio.h"

#include "raster/Surface.h"

#include <QImage>

#include <opencv2/imgproc.hpp>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using garabel::Rgb;
using garabel::Surface;

constexpr int kWidth = 3840, kHeight = 2160;

enum class Picture { Blank, Comb, Serpentine };

// A blank picture; a comb: one-pixel walls on every other column below an
// open top row, so that every row under it is 1,920 runs of one pixel; or a
// serpentine: walls on every fourth column, open at alternate ends, so that
// the area winds through the whole canvas in three-pixel lanes.
QImage picture(Picture kind)
{
    if (kind == Picture::Blank) {
        QImage blank(kWidth, kHeight, QImage::Format_RGB32);
        blank.fill(garabel::toQRgb(garabel::kWhite));
        return blank;
    }
    return kind == Picture::Comb ? garabel::bench::combPicture(kWidth, kHeight, 2, false)
                                 : garabel::bench::combPicture(kWidth, kHeight, 4, true);
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Each iteration fills the area around (0, 0) once through Surface::floodFill
// (the program's path: tile marking and all) and once with cv::floodFill on a
// copy of the same pixels, each in the colour the area does not have. The figure
// is the program's median time over OpenCV's.
void race(benchmark::State &state, Picture kind)
{
    Surface surface;
    surface.setWidth((kWidth + 2 * Surface::kBorder) * garabel::kTwipsPerPixel);
    surface.setHeight((kHeight + 2 * Surface::kBorder) * garabel::kTwipsPerPixel);
    surface.setPicture(picture(kind));
    const Rgb colours[] = {garabel::kWhite, garabel::rgb(255, 0, 0)};
    garabel::Pen pen{.fillPattern = garabel::FillSolid, .fillColour = colours[1]};
    surface.floodFill(0, 0, colours[0], pen);  // the surface now owns its pixels

    QImage theirs = picture(kind);
    cv::Mat mat(kHeight, kWidth, CV_32SC1, theirs.bits(), std::size_t(theirs.bytesPerLine()));
    cv::floodFill(mat, cv::Point(0, 0), cv::Scalar(double(int(garabel::toQRgb(colours[1])))), nullptr,
                  cv::Scalar(), cv::Scalar(), 4);

    using Clock = std::chrono::steady_clock;
    std::vector<double> ourTimes, theirTimes;
    int n = 0;
    for (auto _ : state) {
        const Rgb area = colours[(n + 1) % 2], fill = colours[n % 2];
        pen.fillColour = fill;
        garabel::bench::forgetOneColour(surface, area);
        auto start = Clock::now();
        surface.floodFill(0, 0, area, pen);
        ourTimes.push_back(std::chrono::duration<double>(Clock::now() - start).count());

        start = Clock::now();
        cv::floodFill(mat, cv::Point(0, 0), cv::Scalar(double(int(garabel::toQRgb(fill)))), nullptr,
                      cv::Scalar(), cv::Scalar(), 4);
        theirTimes.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        ++n;
    }
    if (surface.image() != theirs)
        state.SkipWithError("the two fills left different pixels");
    state.counters["ours_ms"] = median(ourTimes) * 1e3;
    state.counters["opencv_ms"] = median(theirTimes) * 1e3;
    garabel::bench::reportValue(state, median(ourTimes) / median(theirTimes));
}

void fill_vs_opencv_blank_4k(benchmark::State &state)
{
    race(state, Picture::Blank);
}
BENCHMARK(fill_vs_opencv_blank_4k)->Iterations(15)->Unit(benchmark::kMillisecond);

void fill_vs_opencv_comb_4k(benchmark::State &state)
{
    race(state, Picture::Comb);
}
BENCHMARK(fill_vs_opencv_comb_4k)->Iterations(15)->Unit(benchmark::kMillisecond);

void fill_vs_opencv_serpentine_4k(benchmark::State &state)
{
    race(state, Picture::Serpentine);
}
BENCHMARK(fill_vs_opencv_serpentine_4k)->Iterations(15)->Unit(benchmark::kMillisecond);

} // namespace
