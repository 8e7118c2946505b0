// SPDX-License-Identifier: GPL-3.0-or-later
// Recording the interference animation the way the menu item records it, frames drawn off
// the screen into a GIF or a folder of PNG frames through the whole-file writers: the design
// animation (two sources, wavelength 30, one period of 30 frames) and the heaviest picture
// (3 sources at half-wavelengths 2, 3 and 5, separation 100, both band strips and the detail
// map on) over its period of 60 frames and over the longest recording, 60 s at 20 ms. Time
// and size of each file.
#include "app/program.h"
#include "interference/interference_panel.h"
#include "record/recording.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFileInfo>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace wave;

namespace {

void heaviest(TInterference &window)
{
    InterferencePanel &panel = *window.Varying;
    panel.setPage(1);
    panel.Numpoints->setCurrentIndex(2);
    panel.NumpointsChange();
    panel.Smooth->setValue(100);
    panel.setPage(0);
    panel.unlocked->setChecked(true);
    panel.C1space->setValue(2);
    panel.c2space->setValue(3);
    panel.c3space->setValue(5);
    panel.setPage(2);
    for (QCheckBox *box : {panel.Showscreen, panel.addinter, panel.Hdetailcb})
        box->setChecked(true);
    for (int tick = 0; tick < 10; ++tick)
        panel.Timer1Timer();
}

qint64 bytesUnder(const QString &path)
{
    if (QFileInfo(path).isFile())
        return QFileInfo(path).size();
    qint64 bytes = 0;
    QDirIterator files(path, QDir::Files);
    while (files.hasNext())
        bytes += QFileInfo(files.next()).size();
    return bytes;
}

void recordAs(benchmark::State &state, TInterference &window, const char *name, RecordChoice choice)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    const Animation animation = window.animation();
    const int frames = recordedFrames(animation, choice);
    qint64 bytes = 0;
    for (auto _ : state) {
        QDir(path).removeRecursively();
        const RecordOutcome outcome =
            record(path, animation, frames, choice.interval, [](int) { return true; });
        if (!outcome.ok())
            state.SkipWithError("the recording was not written");
        state.PauseTiming();
        bytes = bytesUnder(path);
        state.ResumeTiming();
    }
    state.counters["frames"] = frames;
    state.counters["bytes"] = double(bytes);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Program design(QStringLiteral("Rundique"));
    design.start();
    Program heavy(QStringLiteral("Rundique"));
    heavy.start();
    heaviest(heavy.window);
    const RecordChoice period{true, 0, 200};
    const RecordChoice longest{false, mostRecordedSeconds, shortestRecordInterval};
    benchmark::RegisterBenchmark("record/design/period/gif", recordAs, std::ref(design.window),
                                 "loop.gif", period)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("record/design/period/png", recordAs, std::ref(design.window),
                                 "frames", period)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("record/heaviest/period/gif", recordAs, std::ref(heavy.window),
                                 "loop.gif", period)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("record/heaviest/60s/gif", recordAs, std::ref(heavy.window),
                                 "long.gif", longest)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
