// SPDX-License-Identifier: GPL-3.0-or-later
// The animation with every overlay on, measured over real time or over many ticks; a last
// argument "water" runs it over the simulated water.
//   bench_animation rate [seconds]  ticks delivered per second at the fastest interval and
//                                   the share of one core the process used meanwhile
//   bench_animation soak [ticks]    that many ticks back to back; the resident memory after
//                                   the first and the last tenth of them
//   bench_animation tick [ticks]    that many ticks back to back; the median time of one
#include "app/program.h"
#include "interference/interference_panel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace wave;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

void everythingOn(TInterference &window)
{
    InterferencePanel &panel = *window.Varying;
    for (QCheckBox *box :
         {panel.Showscreen, panel.addinter, panel.Hdetailcb, panel.measurecb, panel.bicb})
        box->setChecked(true);
    window.nodepath1->setChecked(true);
    panel.nodepath1Click();
    panel.timerate->setValue(panel.timerate->maximum());
}

int rate(QApplication &app, TInterference &window, double seconds)
{
    InterferencePanel &panel = *window.Varying;
    int ticks = 0;
    QObject::connect(panel.Timer1, &QTimer::timeout, [&] { ++ticks; });
    panel.sbtClick();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &app, &QApplication::quit);
    app.exec();
    const double elapsed = double(wall.elapsed()) / 1000.0;
    std::printf("interval %d ms: %d ticks in %.2f s = %.1f ticks/s (ideal %.1f), CPU %.0f%%\n",
                panel.Timer1->interval(), ticks, elapsed, ticks / elapsed,
                1000.0 / panel.Timer1->interval(), 100.0 * (cpuSeconds() - cpuBefore) / elapsed);
    return 0;
}

int soak(TInterference &window, long ticks)
{
    InterferencePanel &panel = *window.Varying;
    const long tenth = ticks / 10;
    long early = 0;
    for (long tick = 1; tick <= ticks; ++tick) {
        panel.Timer1Timer();
        if (tick % 100 == 0)
            QApplication::processEvents();
        if (tick == tenth)
            early = residentKiB();
    }
    const long late = residentKiB();
    std::printf("%ld ticks: resident %ld KiB after %ld, %ld KiB after %ld (growth %ld KiB)\n",
                ticks, early, tenth, late, ticks, late - early);
    return 0;
}

int tick(TInterference &window, int ticks)
{
    InterferencePanel &panel = *window.Varying;
    std::vector<double> times;
    QElapsedTimer clock;
    for (int t = 0; t < ticks; ++t) {
        clock.start();
        panel.Timer1Timer();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
    std::nth_element(times.begin(), times.begin() + ticks / 2, times.end());
    std::printf("%d ticks: median %.2f ms a tick\n", ticks, times[std::size_t(ticks / 2)]);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("rate");
    Program program(QStringLiteral("Rundique"));
    program.start();
    TInterference &window = program.window;
    everythingOn(window);
    if (argc > 3 && QString::fromLocal8Bit(argv[3]) == QLatin1String("water"))
        window.SimulateWater1->trigger();
    if (mode == QLatin1String("rate"))
        return rate(app, window, argc > 2 ? std::atof(argv[2]) : 10.0);
    if (mode == QLatin1String("soak"))
        return soak(window, argc > 2 ? std::atol(argv[2]) : 100000);
    if (mode == QLatin1String("tick"))
        return tick(window, std::max(argc > 2 ? std::atoi(argv[2]) : 1000, 1));
    std::fprintf(stderr,
                 "usage: bench_animation rate [seconds] | soak [ticks] | tick [ticks] [water]\n");
    return 2;
}
