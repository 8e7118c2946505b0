// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated water on the view's full grid: the time steps of one tick of the solver on
// one core, against a plain double-precision loop of the same scheme, and the water's part of
// an animation tick of the interference product (the steps for one pixel of travel, with the
// mean along the band line or without, and the picture).
#include "interference/field_water.h"
#include "simulation/water_image.h"
#include "simulation/wave_solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
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

void solverTick(benchmark::State &state)
{
    WaveSolver water;
    water.apply(designWater());
    for (int t = 0; t < 200; ++t)
        water.tick(); // waves everywhere near the sources
    for (auto _ : state) {
        water.tick();
        benchmark::DoNotOptimize(water.displacement().data);
    }
    state.SetItemsProcessed(state.iterations() * water.stepsPerTick() * steppedCells);
}

// The same leapfrog and fourth-order stencil as a first version would write it: doubles,
// two indices, nothing the compiler may turn into vector instructions. The stencil alone
// over every cell, as a lower bound of what the scheme costs written plainly.
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

struct PlainGrid {
    int nx = viewWidth + 2 * WaveSolver::layerCells + 4;
    int ny = viewHeight + 2 * WaveSolver::layerCells + 4;
    std::vector<double> now = std::vector<double>(std::size_t(nx) * ny, 0.0);
    std::vector<double> then = now;
    std::vector<double> k = std::vector<double>(now.size(), 0.25);

    PlainGrid() { now[std::size_t(ny / 2) * nx + nx / 2] = 1.0; }
};

void plainDoubleStep(benchmark::State &state)
{
    PlainGrid g;
    for (auto _ : state) {
        plainStep(g.now, g.then, g.k, g.nx, g.ny);
        benchmark::DoNotOptimize(g.now.data());
    }
    state.SetItemsProcessed(state.iterations() * steppedCells);
}

// The whole scheme as plainly: the same step everywhere, and in the layer the damping and
// the auxiliary fields on the faces, as the solver has them, a cell at a time.
struct PlainLayer {
    std::vector<double> psiX, psiY;
    std::vector<double> sx, sy;   // the damping a column and a row
    std::vector<double> sxf, syf; // on the faces to the right and below
};

__attribute__((optimize("no-tree-vectorize"))) void plainLayeredStep(PlainGrid &g, PlainLayer &l)
{
    const int nx = g.nx, ny = g.ny;
    std::vector<double> &psiX = l.psiX, &psiY = l.psiY;
    const std::vector<double> &sx = l.sx, &sy = l.sy;
    for (int y = 2; y < ny - 2; ++y)
        for (int x = 2; x < nx - 2; ++x) {
            const int i = y * nx + x;
            const std::vector<double> &u = g.now;
            const double lap =
                (16.0 * (u[i - 1] + u[i + 1] + u[i - nx] + u[i + nx]) -
                 (u[i - 2] + u[i + 2] + u[i - 2 * nx] + u[i + 2 * nx]) - 60.0 * u[i]) /
                12.0;
            const double a = sx[std::size_t(x)], b = sy[std::size_t(y)];
            if (a == 0.0 && b == 0.0) {
                g.then[i] = 2.0 * u[i] - g.then[i] + g.k[i] * lap;
                continue;
            }
            const double divergence = psiX[i] - psiX[i - 1] + psiY[i] - psiY[i - nx];
            g.then[i] = (2.0 * u[i] - (1.0 - 0.5 * (a + b)) * g.then[i] - a * b * u[i] +
                         g.k[i] * (lap + divergence)) /
                        (1.0 + 0.5 * (a + b));
        }
    for (int y = 2; y < ny - 2; ++y)
        for (int x = 2; x < nx - 2; ++x) {
            const double a = sx[std::size_t(x)], b = sy[std::size_t(y)];
            const double af = l.sxf[std::size_t(x)], bf = l.syf[std::size_t(y)];
            if (a == 0.0 && b == 0.0 && af == 0.0 && bf == 0.0)
                continue;
            const int i = y * nx + x;
            const std::vector<double> &next = g.then;
            psiX[i] = ((1.0 - 0.5 * af) * psiX[i] + (b - af) * (next[i + 1] - next[i])) /
                      (1.0 + 0.5 * af);
            psiY[i] = ((1.0 - 0.5 * bf) * psiY[i] + (a - bf) * (next[i + nx] - next[i])) /
                      (1.0 + 0.5 * bf);
        }
    g.now.swap(g.then);
}

void plainDoubleLayeredStep(benchmark::State &state)
{
    PlainGrid g;
    PlainLayer l;
    l.psiX.assign(g.now.size(), 0.0);
    l.psiY = l.psiX;
    auto profile = [](int n, int length, double offset) {
        std::vector<double> s(std::size_t(n), 0.0);
        const int first = 2 + WaveSolver::layerCells;
        for (int c = 0; c < n; ++c) {
            const double at = c + offset;
            const double depth = std::max(first - 1 - at, at - (first + length));
            s[std::size_t(c)] = depth > 0 ? 0.15 * depth * depth / (31.0 * 31.0) : 0.0;
        }
        return s;
    };
    l.sx = profile(g.nx, viewWidth, 0.0);
    l.sy = profile(g.ny, viewHeight, 0.0);
    l.sxf = profile(g.nx, viewWidth, 0.5);
    l.syf = profile(g.ny, viewHeight, 0.5);
    for (auto _ : state) {
        plainLayeredStep(g, l);
        benchmark::DoNotOptimize(g.now.data());
    }
    state.SetItemsProcessed(state.iterations() * steppedCells);
}

void animationTick(benchmark::State &state)
{
    WaveSolver water;
    water.apply(designWater());
    if (state.range(0) != 0)
        water.averageRows(water.height() / 2, water.height() / 2 + 1);
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

BENCHMARK(solverTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainDoubleStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainDoubleLayeredStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(animationTick)->ArgName("average")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(colourMap)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
