// SPDX-License-Identifier: GPL-3.0-or-later
// The heaviest wavelet row and the heaviest wavefront page on both drawing surfaces, and a
// whole animation tick of each.
#include "huygens/wavefront.h"
#include "huygens/wavelet_row.h"
#include "platform/bitmap_canvas.h"
#include "platform/painter_canvas.h"
#include "view/shared_state.h"

#include <QPainter>

#include <benchmark/benchmark.h>

using namespace wave;

namespace {

WaveletRowParams heaviestRow()
{
    WaveletRowParams params;
    params.N = 50;
    params.sep = 1;
    params.M = 10;
    params.P = 10;
    params.sequential = true;
    params.t = 100;
    return params;
}

WavefrontParams heaviestFronts()
{
    WavefrontParams params;
    params.F = 10;
    params.ps = 5;
    params.rays = true;
    params.tau = 690; // late enough for the tenth front to have passed boundary points
    return params;
}

template <typename Draw> void onBitmap(benchmark::State &state, int redraws, Draw draw)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    BitmapCanvas canvas(image);
    for (auto _ : state) {
        for (int i = 0; i < redraws; ++i)
            draw(canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

template <typename Draw> void onPainter(benchmark::State &state, int redraws, Draw draw)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, viewWidth, viewHeight);
    for (auto _ : state) {
        for (int i = 0; i < redraws; ++i)
            draw(canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void row(Canvas &canvas)
{
    drawWaveletRow(canvas, heaviestRow());
}

void fronts(Canvas &canvas)
{
    drawWavefronts(canvas, heaviestFronts());
}

void rowOnBitmap(benchmark::State &state)
{
    onBitmap(state, 1, row);
}
void rowOnPainter(benchmark::State &state)
{
    onPainter(state, 1, row);
}
void frontsOnBitmap(benchmark::State &state)
{
    onBitmap(state, 1, fronts);
}
void frontsOnPainter(benchmark::State &state)
{
    onPainter(state, 1, fronts);
}
// The wavelet row's tick at its wrap redraws three times: the slider set back to 1, the
// step on to 2 and the tick's own redraw. The wavefront tick redraws once, as its slider's
// handler stays quiet while the timer runs, so frontsOnBitmap is its whole tick.
void rowTickOnBitmap(benchmark::State &state)
{
    onBitmap(state, 3, row);
}

} // namespace

BENCHMARK(rowOnBitmap)->Unit(benchmark::kMillisecond);
BENCHMARK(rowOnPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(frontsOnBitmap)->Unit(benchmark::kMillisecond);
BENCHMARK(frontsOnPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(rowTickOnBitmap)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
