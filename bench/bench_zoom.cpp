// SPDX-License-Identifier: GPL-3.0-or-later
// One animation tick of the heaviest interference picture, from the tick's handler to the
// window painted by the events it posts, at zoom 1 and zoom 4: the picture is drawn once at
// its own size, and only the copy to the screen grows with the zoom.
#include "app/program.h"
#include "interference/interference_panel.h"
#include "view/wave_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>

#include <benchmark/benchmark.h>

using namespace wave;

namespace {

Program *program = nullptr;

void heaviestTick(benchmark::State &state)
{
    TInterference &window = program->window;
    InterferencePanel &panel = *window.Varying;
    window.setZoom(int(state.range(0)));
    QApplication::processEvents();
    for (auto _ : state) {
        panel.Timer1Timer();
        QApplication::sendPostedEvents();
    }
}

} // namespace

BENCHMARK(heaviestTick)->Arg(1)->Arg(4)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Program started(QStringLiteral("Rundique"));
    started.start();
    program = &started;
    InterferencePanel &panel = *started.window.Varying;
    panel.Numpoints->setCurrentIndex(2);
    panel.NumpointsChange();
    panel.Smooth->setValue(100);
    panel.C1space->setValue(panel.C1space->minimum());
    for (QCheckBox *box : {panel.Showscreen, panel.addinter, panel.Hdetailcb})
        box->setChecked(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    started.window.setZoom(1);
    return 0;
}
