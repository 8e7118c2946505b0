// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the milliseconds from the start of this process to the first frame the main
// window paints, then quits. The start is the kernel's, so loading the libraries counts.
#include "app/program.h"
#include "view/wave_view.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <ctime>
#include <unistd.h>

namespace {

double processAgeMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1.0;
    const QByteArray line = stat.readAll();
    // the fields after the command's closing parenthesis; the start time is field 22
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

class FirstFrame : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // report once the paint has finished
            QTimer::singleShot(0, [] {
                std::printf("first frame after %.1f ms\n", processAgeMs());
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    wave::Program program(QStringLiteral("Rundique"));
    FirstFrame watcher;
    program.window.Panel1->water->installEventFilter(&watcher);
    program.start();
    return app.exec();
}
