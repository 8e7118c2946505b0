// SPDX-License-Identifier: GPL-3.0-or-later
// The field redraw, the band redraw over it and whole animation ticks on both drawing
// surfaces, at the design picture and the heaviest one.
#include "interference/band.h"
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

// The band and the detail map with every box on, as each animation tick draws them after the
// rings of the picture.
BandParams bandOver(const FieldParams &field)
{
    BandParams params;
    params.n = field.n;
    params.sources = bandSources(field, {10, 10, 10});
    params.mapTop = bandLineTop(params.bandTop);
    params.instantaneous = true;
    params.average = true;
    params.highDetail = true;
    return params;
}

void drawBandAndMap(benchmark::State &state, const BandParams &params, Canvas &view, Canvas &map,
                    const QImage &image)
{
    std::array<double, 800> bandsum{};
    double bandpeak = 0.0;
    for (auto _ : state) {
        drawDetailMap(map, params);
        drawBand(view, params, bandsum, bandpeak);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void bandOnBitmap(benchmark::State &state, FieldParams field)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    QImage mapImage(mapWidth, mapHeight, QImage::Format_RGB32);
    BitmapCanvas view(image);
    BitmapCanvas map(mapImage);
    drawBandAndMap(state, bandOver(field), view, map, image);
}

void bandOnPainter(benchmark::State &state, FieldParams field)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    QImage mapImage(mapWidth, mapHeight, QImage::Format_RGB32);
    QPainter viewPainter(&image);
    QPainter mapPainter(&mapImage);
    PainterCanvas view(viewPainter, viewWidth, viewHeight);
    PainterCanvas map(mapPainter, mapWidth, mapHeight);
    drawBandAndMap(state, bandOver(field), view, map, image);
}

// Whole animation ticks: the offsets move on a pixel, the rings are drawn, then the map goes
// into the buffer of T1's parity and the band over the rings. Consecutive ticks alternate
// between both parities.
void animate(benchmark::State &state, FieldParams field, Canvas &view, std::array<Canvas *, 2> maps,
             const QImage &image)
{
    std::array<double, 800> bandsum{};
    double bandpeak = 0.0;
    for (auto _ : state) {
        for (std::size_t k = 0; k < 3; ++k)
            field.T[k] = (field.T[k] + 1) % (2 * field.P[k]);
        drawField(view, field);
        BandParams band = bandOver(field);
        drawDetailMap(*maps[mapIntoFirst(field.T[0]) ? 0 : 1], band);
        drawBand(view, band, bandsum, bandpeak);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void tickOnBitmap(benchmark::State &state, FieldParams field)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    QImage first(mapWidth, mapHeight, QImage::Format_RGB32);
    QImage second(mapWidth, mapHeight, QImage::Format_RGB32);
    BitmapCanvas view(image);
    BitmapCanvas map1(first);
    BitmapCanvas map2(second);
    animate(state, field, view, {&map1, &map2}, image);
}

void tickOnPainter(benchmark::State &state, FieldParams field)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    QImage first(mapWidth, mapHeight, QImage::Format_RGB32);
    QImage second(mapWidth, mapHeight, QImage::Format_RGB32);
    QPainter viewPainter(&image);
    QPainter firstPainter(&first);
    QPainter secondPainter(&second);
    PainterCanvas view(viewPainter, viewWidth, viewHeight);
    PainterCanvas map1(firstPainter, mapWidth, mapHeight);
    PainterCanvas map2(secondPainter, mapWidth, mapHeight);
    animate(state, field, view, {&map1, &map2}, image);
}

} // namespace

BENCHMARK_CAPTURE(onBitmap, design, designPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onPainter, design, designPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onBitmap, heaviest, heaviestPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(onPainter, heaviest, heaviestPicture())->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(bandOnBitmap, design, designPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bandOnPainter, design, designPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bandOnBitmap, heaviest, heaviestPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bandOnPainter, heaviest, heaviestPicture())->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(tickOnBitmap, design, designPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tickOnPainter, design, designPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tickOnBitmap, heaviest, heaviestPicture())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tickOnPainter, heaviest, heaviestPicture())->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
