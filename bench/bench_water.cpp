// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated water on the view's full grid: one time step of the solver on one core and
// on two, against a plain double-precision loop of the same scheme, and a whole animation
// tick of the interference product (the steps for one pixel of travel and the picture).
#include "interference/field_water.h"
#include "simulation/water_image.h"
#include "simulation/wave_solver.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace wave;

namespace {

// The cells a step advances: the visible grid and the absorbing layer round it.
constexpr long steppedCells =
    long(viewWidth + 2 * WaveSolver::layerCells) * (viewHeight + 2 * WaveSolver::layerCells);

WaterSetUp designWater()
{
    return fieldWater(FieldParams{}, {10, 10, 10}, 0.0);
}

void solverStep(benchmark::State &state)
{
    WaveSolver water(int(state.range(0)));
    water.apply(designWater());
    for (int t = 0; t < 200; ++t)
        water.tick(); // waves everywhere near the sources
    for (auto _ : state) {
        water.step();
        benchmark::DoNotOptimize(water.displacement().data);
    }
    state.SetItemsProcessed(state.iterations() * steppedCells);
}

// The same leapfrog and fourth-order stencil as a first version would write it: doubles,
// two indices, nothing the compiler may turn into vector instructions.
__attribute__((optimize("no-tree-vectorize"))) void plainStep(std::vector<double> &now,
                                                              std::vector<double> &then,
                                                              const std::vector<double> &k, int nx,
                                                              int ny)
{
    for (int y = 2; y < ny - 2; ++y)
        for (int x = 2; x < nx - 2; ++x) {
            const int i = y * nx + x;
            const double lap =
                (16.0 * (now[i - 1] + now[i + 1] + now[i - nx] + now[i + nx]) -
                 (now[i - 2] + now[i + 2] + now[i - 2 * nx] + now[i + 2 * nx]) - 60.0 * now[i]) /
                12.0;
            then[i] = 2.0 * now[i] - then[i] + k[i] * lap;
        }
    now.swap(then);
}

void plainDoubleStep(benchmark::State &state)
{
    const int nx = viewWidth + 2 * WaveSolver::layerCells + 4;
    const int ny = viewHeight + 2 * WaveSolver::layerCells + 4;
    std::vector<double> now(std::size_t(nx) * ny, 0.0), then(now.size(), 0.0);
    std::vector<double> k(now.size(), 0.25);
    now[std::size_t(ny / 2) * nx + nx / 2] = 1.0;
    for (auto _ : state) {
        plainStep(now, then, k, nx, ny);
        benchmark::DoNotOptimize(now.data());
    }
    state.SetItemsProcessed(state.iterations() * steppedCells);
}

void animationTick(benchmark::State &state)
{
    WaveSolver water(int(state.range(0)));
    water.apply(designWater());
    water.setAveraging(state.range(1) != 0);
    for (int t = 0; t < 200; ++t)
        water.tick();
    QImage image;
    for (auto _ : state) {
        water.tick();
        drawWater(image, water.displacement(), qRgb(0, 0, 96), qRgb(230, 240, 255), 1.0f);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void colourMap(benchmark::State &state)
{
    WaveSolver water;
    water.apply(designWater());
    for (int t = 0; t < 200; ++t)
        water.tick();
    QImage image;
    for (auto _ : state) {
        drawWater(image, water.displacement(), qRgb(0, 0, 96), qRgb(230, 240, 255), 1.0f);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(solverStep)->ArgName("threads")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainDoubleStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(animationTick)
    ->ArgNames({"threads", "average"})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(colourMap)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
