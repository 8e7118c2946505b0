// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/practice_protractor.h"

#include "measure/instruments.h"
#include "platform/canvas.h"
#include "platform/random.h"
#include "view/pointer.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace wave {

namespace {

using std::numbers::pi;

double radians(double degrees)
{
    return degrees / 180 * pi;
}

// The protractor about firstpoint with its base through secondpoint, in grey.
void greyHalfRing(Canvas &canvas, const Measuring &m, const Palette &colours)
{
    canvas.pen().colour = colours.grey;
    canvas.pen().width = 1;
    halfRing(canvas, m.firstpoint, m.lineangle, m.secondpoint, 2 * m.firstpoint - m.secondpoint);
}

} // namespace

void newAngleTask(AngleTask &task, RandomSource &random)
{
    task.taskangle = 10 + 160 * random.uniform();
    task.taskrotation = 360 * random.uniform();
}

void plotAngleTask(Canvas &canvas, const AngleTask &task, const Palette &colours)
{
    clearPractice(canvas, colours);
    const QPoint P = practiceCentre;
    const double R = radians(task.taskrotation);
    const double AR = radians(task.taskangle + task.taskrotation);
    if (!task.fromNormal) {
        canvas.pen().width = 2;
        segment(canvas, P, ahead(P, 150, R));
        segment(canvas, P, ahead(P, 150, AR));
        canvas.pen().width = 1;
        const QPoint from = ahead(P, 150, AR);
        const QPoint to = ahead(P, 150, R);
        canvas.arc(P.x() - 40, P.y() - 40, P.x() + 40, P.y() + 40, from.x(), from.y(), to.x(),
                   to.y());
        canvas.moveTo(P.x(), P.y());
        return;
    }
    segment(canvas, ahead(P, 150, R), behind(P, 150, R));
    canvas.pen().width = 2;
    segment(canvas, P, ahead(P, 150, AR));
    canvas.pen() = Pen{colours.mark, 1, PenStyle::Dot};
    const double normal = radians(task.taskrotation + 90);
    segment(canvas, ahead(P, 40, normal), behind(P, 40, normal));
    canvas.pen() = Pen{colours.ink};
}

double protractorDirection(QPoint centre, QPoint towards)
{
    return centre == towards ? pi / 2 : directionAngle(centre, towards);
}

QString readingCaption(double d)
{
    const int n = int(std::trunc(d * 1800 / pi)) + 1;
    // n / 10 alone would show a reading between -1 and 0 without its sign
    const QString sign = n < 0 && n > -10 ? QStringLiteral("-") : QString();
    return QStringLiteral(" %1%2%3%4°")
        .arg(sign, QString::number(n / 10), QLocale().decimalPoint(),
             QString::number(std::abs(n) % 10));
}

ReadingCaptions protractorMove(Canvas &canvas, Measuring &m, const AngleTask &task, QPoint at,
                               const Palette &colours)
{
    if (m.clickstep == 3)
        return {};
    plotAngleTask(canvas, task, colours);
    if (m.clickstep < 2) {
        QPoint S = at;
        if (m.clickstep == 0) {
            m.firstpoint = at;
            S = at + QPoint(20, 0);
        }
        m.lineangle = protractorDirection(m.firstpoint, S);
        m.secondpoint = S;
        m.savedLineangle = m.lineangle;
        greyHalfRing(canvas, m, colours);
        canvas.pen().colour = colours.ink;
        segment(canvas, m.secondpoint, 2 * m.firstpoint - m.secondpoint);
        return {};
    }

    m.lineangle = m.savedLineangle;
    greyHalfRing(canvas, m, colours);
    segment(canvas, ahead(m.firstpoint, 30, m.lineangle), behind(m.firstpoint, 30, m.lineangle));
    const double phi = protractorDirection(m.firstpoint, at);
    double d = m.lineangle - phi;
    if (d < -pi / 2)
        d += 2 * pi;
    ReadingCaptions captions{readingCaption(d), std::nullopt};
    if (d >= 0 && d <= pi) {
        m.reading1 = d * 180 / pi;
        canvas.pen().colour = colours.mark;
        canvas.pen().width = 2;
        segment(canvas, m.firstpoint, behind(m.firstpoint, 100, phi));
        canvas.pen().colour = colours.grey;
        canvas.pen().width = 1;
        m.reading2 = (pi - d) * 180 / pi;
        captions.ang2rb = readingCaption(pi - d);
    }
    return captions;
}

Verdict judgeAngle(const AngleTask &task, double offered)
{
    const double e = task.fromNormal ? std::abs(std::abs(90 - task.taskangle) - offered)
                                     : std::abs(offered - task.taskangle);
    return judge(e, 1.5, 3, QCoreApplication::translate("Practice", "Right!\nWell done!"));
}

} // namespace wave
