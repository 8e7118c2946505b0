// SPDX-License-Identifier: GPL-3.0-or-later
// Export of the heaviest interference picture, 3 sources at half-wavelength 2 and separation
// 100 with both band strips and the detail map on, written into a file the way the menu item
// writes it (through a temporary file that replaces the target): time and size of each file.
#include "app/program.h"
#include "interference/interference_panel.h"
#include "platform/picture_file.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace wave;

namespace {

void heaviest(TInterference &window)
{
    InterferencePanel &panel = *window.Varying;
    panel.C1space->setValue(2);
    panel.setPage(1);
    panel.Numpoints->setCurrentIndex(2);
    panel.NumpointsChange();
    panel.Smooth->setValue(100);
    panel.setPage(2);
    for (QCheckBox *box : {panel.Showscreen, panel.addinter, panel.Hdetailcb})
        box->setChecked(true);
    for (int tick = 0; tick < 10; ++tick)
        panel.Timer1Timer();
}

void exportAs(benchmark::State &state, TInterference &window, PictureFormat format)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture"));
    for (auto _ : state) {
        const WriteOutcome outcome = savePicture(
            path, format, window.exportedPicture(),
            [&window](Canvas &canvas) { window.drawPicture(canvas); }, window.windowTitle());
        if (!outcome.ok())
            state.SkipWithError("the picture was not written");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Program program(QStringLiteral("Rundique"));
    program.start();
    heaviest(program.window);
    for (auto [name, format] : {std::pair{"export/heaviest/png", PictureFormat::Png},
                                std::pair{"export/heaviest/svg", PictureFormat::Svg},
                                std::pair{"export/heaviest/pdf", PictureFormat::Pdf}})
        benchmark::RegisterBenchmark(name, exportAs, std::ref(program.window), format)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
