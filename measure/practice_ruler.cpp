// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/practice_ruler.h"

#include "measure/instruments.h"
#include "platform/canvas.h"
#include "platform/random.h"
#include "view/pointer.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

namespace wave {

namespace {

using std::numbers::pi;

// The centre moved by sign (dx, dy), each sum truncated as a whole.
QPoint offCentre(int sign, double dx, double dy)
{
    const QPoint c = practiceCentre;
    return {c.x() + sign * int(std::trunc(dx)), c.y() + sign * int(std::trunc(dy))};
}

// A dot of 6 pixels on the task point at sign (hs, hc) from the centre.
void dot(Canvas &canvas, int sign, double hs, double hc)
{
    const QPoint from = offCentre(sign, hs - 3, hc - 3);
    const QPoint to = offCentre(sign, hs + 3, hc + 3);
    canvas.ellipse(from.x(), from.y(), to.x(), to.y());
}

// A line 300 pixels long across the task's direction through the task point at sign (hs, hc).
void wavefront(Canvas &canvas, int sign, double hs, double hc, double q)
{
    segment(canvas, offCentre(sign, hs + 150 * std::sin(q), hc + 150 * std::cos(q)),
            offCentre(sign, hs - 150 * std::sin(q), hc - 150 * std::cos(q)));
}

} // namespace

void newRulerTask(RulerTask &task, RandomSource &random)
{
    task.taskdirection = 2 * pi * random.uniform();
    task.tasklength = 20 + random.uniform() * (practiceHeight - 20);
}

void plotRulerTask(Canvas &canvas, const RulerTask &task, const Measuring &m,
                   const Palette &colours)
{
    clearPractice(canvas, colours);
    const double D = task.taskdirection;
    const double h = task.tasklength / 2;
    const double hs = h * std::sin(D);
    const double hc = h * std::cos(D);
    canvas.brush().colour = colours.ink;
    if (task.kind == LengthTask::TwoPoints) {
        dot(canvas, -1, hs, hc);
        dot(canvas, 1, hs, hc);
    } else {
        const double q = D + pi / 2;
        canvas.pen().width = 2;
        wavefront(canvas, -1, hs, hc, q);
        if (task.kind == LengthTask::PointAndLine)
            dot(canvas, 1, hs, hc);
        else
            wavefront(canvas, 1, hs, hc, q);
        canvas.pen().width = 1;
    }
    rulerbtClick(canvas, {m.firstpoint, m.secondpoint, m.savedLineangle, colours});
}

QString rulerMove(Measuring &m, QPoint at)
{
    QPoint S = m.secondpoint;
    if (m.clickstep == 0) {
        m.firstpoint = at;
        S = at + QPoint(20, 0);
    } else if (m.clickstep == 1) {
        S = at;
    }
    m.lineangle = directionAngle(m.firstpoint, S);
    m.savedLineangle = m.lineangle;
    m.secondpoint = S;
    const QPoint d = m.firstpoint - S;
    m.reading1 = std::sqrt(double(d.x()) * d.x() + double(d.y()) * d.y());
    return QCoreApplication::translate("Practice", "Distance: %1").arg(lengthText(m.reading1));
}

Verdict judgeLength(const RulerTask &task, const Measuring &m)
{
    return judge(std::abs(m.reading1 - task.tasklength), 3, 5,
                 QCoreApplication::translate("Practice", "Right!\nWell Done!"));
}

} // namespace wave
