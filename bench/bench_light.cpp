// SPDX-License-Identifier: GPL-3.0-or-later
// The light pattern redraw (mask and composition) on both drawing surfaces.
#include "platform/bitmap_canvas.h"
#include "platform/painter_canvas.h"
#include "slit/light_pattern.h"

#include <QPainter>

#include <benchmark/benchmark.h>

using namespace wave;

namespace {

// What a moved bar costs: the mask drawn again and composed into the picture shown.
template <class Surface> void redraw(benchmark::State &state, PatternParams params)
{
    QImage sample(patternWidth, patternHeight, QImage::Format_RGB32);
    QImage mask(patternWidth, patternHeight, QImage::Format_RGB32);
    QImage out(patternWidth, patternHeight, QImage::Format_RGB32);
    BitmapCanvas sampleCanvas(sample);
    drawColourSample(sampleCanvas, params.wavePosition);
    Surface surfaces(mask, out);
    for (auto _ : state) {
        drawPattern(surfaces.mask(), params, sampleCanvas.pen().colour);
        composePattern(surfaces.out(), sample, mask, params.blackAndWhite);
        benchmark::DoNotOptimize(out.constBits());
    }
}

class Bitmaps {
public:
    Bitmaps(QImage &mask, QImage &out) : mask_(mask), out_(out) {}
    Canvas &mask() { return mask_; }
    Canvas &out() { return out_; }

private:
    BitmapCanvas mask_;
    BitmapCanvas out_;
};

class Painters {
public:
    Painters(QImage &mask, QImage &out)
        : maskPainter_(&mask), outPainter_(&out), mask_(maskPainter_, patternWidth, patternHeight),
          out_(outPainter_, patternWidth, patternHeight)
    {
    }
    // The raster engine draws straight into the mask, so the composition can read it while
    // its painter is still open.
    Canvas &mask() { return mask_; }
    Canvas &out() { return out_; }

private:
    QPainter maskPainter_;
    QPainter outPainter_;
    PainterCanvas mask_;
    PainterCanvas out_;
};

void onBitmap(benchmark::State &state, PatternParams params)
{
    redraw<Bitmaps>(state, params);
}

void onPainter(benchmark::State &state, PatternParams params)
{
    redraw<Painters>(state, params);
}

const PatternParams singleColour{SlitKind::Single, 100, 80, 400, false};
const PatternParams doubleGrey{SlitKind::Double, 500, 200, 1536, true};

} // namespace

BENCHMARK_CAPTURE(onBitmap, single_colour, singleColour)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onPainter, single_colour, singleColour)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onBitmap, double_grey, doubleGrey)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(onPainter, double_grey, doubleGrey)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
