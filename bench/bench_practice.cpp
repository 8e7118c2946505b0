// SPDX-License-Identifier: GPL-3.0-or-later
// Every pointer move over the practice picture redraws it: the protractor while it is placed
// and read, the ruler over the widest task, and the ray page with its torch, on both
// drawing surfaces. Run with --benchmark_repetitions=10 for medians.
#include "measure/practice_protractor.h"
#include "measure/practice_rays.h"
#include "measure/practice_ruler.h"
#include "platform/bitmap_canvas.h"
#include "platform/painter_canvas.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <functional>

using namespace wave;

namespace {

using Redraw = std::function<void(Canvas &)>;

Redraw placingTheProtractor()
{
    return [m = Measuring{}](Canvas &canvas) mutable {
        protractorMove(canvas, m, AngleTask{100, 30, false}, QPoint(150, 110));
    };
}

Redraw readingTheProtractor()
{
    Measuring m;
    m.clickstep = 2;
    m.firstpoint = QPoint(198, 122);
    m.secondpoint = QPoint(298, 122);
    m.savedLineangle = 3.14159;
    return [m](Canvas &canvas) mutable {
        protractorMove(canvas, m, AngleTask{60, 0, true}, QPoint(150, 40));
    };
}

Redraw measuringWavefronts()
{
    Measuring m;
    m.clickstep = 1;
    m.firstpoint = QPoint(20, 200);
    return [m](Canvas &canvas) mutable {
        rulerMove(m, QPoint(380, 30));
        plotRulerTask(canvas, RulerTask{0.7, 245, LengthTask::Wavefronts}, m);
    };
}

Redraw movingTheRay()
{
    const RayLesson lesson{3, 0.6, 285, 90};
    const Handles handles = dragHandle(resetHandles(lesson), Handle::dsh, QPoint(120, 40));
    return [lesson, handles](Canvas &canvas) { plotRays(canvas, lesson, handles); };
}

void onBitmap(benchmark::State &state, const Redraw &redraw)
{
    QImage image(practiceWidth, practiceHeight, QImage::Format_RGB32);
    BitmapCanvas canvas(image);
    for (auto _ : state) {
        redraw(canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void onPainter(benchmark::State &state, const Redraw &redraw)
{
    QImage image(practiceWidth, practiceHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, practiceWidth, practiceHeight);
    for (auto _ : state) {
        redraw(canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(onBitmap, protractorPlacing, placingTheProtractor())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onPainter, protractorPlacing, placingTheProtractor())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onBitmap, protractorReading, readingTheProtractor())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onPainter, protractorReading, readingTheProtractor())
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onBitmap, rulerWavefronts, measuringWavefronts())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onPainter, rulerWavefronts, measuringWavefronts())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onBitmap, rayMovement, movingTheRay())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onPainter, rayMovement, movingTheRay())->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
