// The field redraw on both drawing surfaces, at the design picture and the heaviest one.
#include "interference/field_renderer.h"
#include "platform/bitmap_canvas.h"
#include "platform/painter_canvas.h"
#include "view/shared_state.h"

#include <QPainter>

#include <benchmark/benchmark.h>

using namespace wave;

namespace {

FieldParams designPicture()
{
    return FieldParams{};
}

FieldParams heaviestPicture()
{
    FieldParams params;
    params.n = 3;
    params.S = 100;
    params.P = {2, 2, 2};
    return params;
}

void onBitmap(benchmark::State &state, FieldParams params)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    BitmapCanvas canvas(image);
    for (auto _ : state) {
        drawField(canvas, params);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void onPainter(benchmark::State &state, FieldParams params)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, viewWidth, viewHeight);
    for (auto _ : state) {
        drawField(canvas, params);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(onBitmap, design, designPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onPainter, design, designPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onBitmap, heaviest, heaviestPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onPainter, heaviest, heaviestPicture())->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
