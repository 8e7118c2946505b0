// SPDX-License-Identifier: GPL-3.0-or-later
// The full-page print into a PDF at 1200 dpi on A4: time and size of the file.
#include "output/page.h"
#include "platform/painter_canvas.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

using namespace wave;

namespace {

void fullPage(benchmark::State &state, FullPageParams params)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&file);
            writer.setResolution(1200);
            writer.setPageSize(QPageSize(QPageSize::A4));
            const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
            QPainter painter(&writer);
            PainterCanvas canvas(painter, area.width(), area.height());
            drawFullPage(canvas, {area.width(), area.height()}, params);
        }
        bytes = file.size();
    }
    state.counters["bytes"] = double(bytes);
}

void densest(benchmark::State &state)
{
    fullPage(state, FullPageParams{3, 100, {2, 2, 2}, {0, 0, 0}, {}});
}
BENCHMARK(densest)->Unit(benchmark::kMillisecond);

void design(benchmark::State &state)
{
    fullPage(state, FullPageParams{2, 60, {15, 15, 15}, {0, 0, 0}, {}});
}
BENCHMARK(design)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
