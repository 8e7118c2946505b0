// SPDX-License-Identifier: GPL-3.0-or-later
// The single-slit redraw, as each animation tick and each pointer move of the angle
// measurement runs it, on both drawing surfaces: the design picture and the heaviest one,
// the shortest wave through the widest slit late in its period with the protractor on.
#include "measure/instruments.h"
#include "platform/bitmap_canvas.h"
#include "platform/painter_canvas.h"
#include "slit/slit_scene.h"
#include "view/shared_state.h"

#include <QPainter>

#include <benchmark/benchmark.h>

using namespace wave;

namespace {

struct Picture {
    SlitParams slit;
    bool protractor = false;
};

void redraw(benchmark::State &state, Canvas &canvas, const QImage &image, const Picture &picture)
{
    const ProtractorParams protractor{QPoint(354, 250), QPoint(420, 120), true};
    for (auto _ : state) {
        drawSlit(canvas, picture.slit);
        if (picture.protractor)
            probtClick(canvas, protractor);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void onBitmap(benchmark::State &state, Picture picture)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    BitmapCanvas canvas(image);
    redraw(state, canvas, image, picture);
}

void onPainter(benchmark::State &state, Picture picture)
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, viewWidth, viewHeight);
    redraw(state, canvas, image, picture);
}

const Picture design{};
const Picture heaviest{{3, 50, 2}, true};

} // namespace

BENCHMARK_CAPTURE(onBitmap, design, design)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onPainter, design, design)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onBitmap, heaviest, heaviest)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onPainter, heaviest, heaviest)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
