// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/instruments.h"

#include "platform/canvas.h"
#include "view/pointer.h"

#include <cmath>
#include <numbers>

namespace wave {

namespace {

using std::numbers::pi;

void arcAbout(Canvas &canvas, QPoint centre, int r, QPoint from, QPoint to)
{
    canvas.arc(centre.x() - r, centre.y() - r, centre.x() + r, centre.y() + r, from.x(), from.y(),
               to.x(), to.y());
}

} // namespace

void segment(Canvas &canvas, QPoint from, QPoint to)
{
    canvas.moveTo(from.x(), from.y());
    canvas.lineTo(to.x(), to.y());
}

QPoint ahead(QPoint centre, double r, double phi)
{
    return centre + QPoint(int(std::trunc(r * std::cos(phi))), int(std::trunc(r * std::sin(phi))));
}

QPoint behind(QPoint centre, double r, double phi)
{
    return centre - QPoint(int(std::trunc(r * std::cos(phi))), int(std::trunc(r * std::sin(phi))));
}

void halfRing(Canvas &canvas, QPoint centre, double base, QPoint from, QPoint to)
{
    segment(canvas, ahead(centre, 10, base + pi / 2), behind(centre, 10, base + pi / 2));
    arcAbout(canvas, centre, 100, from, to);
    arcAbout(canvas, centre, 30, from, to);
    for (int i = 0; i <= 12; ++i) {
        const double phi = base + i * 15 * pi / 180;
        segment(canvas, ahead(centre, 30, phi), ahead(centre, 100, phi));
    }
}

void probtClick(Canvas &canvas, const ProtractorParams &params)
{
    const QPoint A = params.A;
    const QPoint B = params.B;
    canvas.pen().width = 2;
    canvas.pen().colour = params.colours.mark;
    segment(canvas, A, behind(A, 100, directionAngle(A, B)));

    canvas.pen().width = 1;
    canvas.pen().colour = params.colours.grey;
    double m = 0.0;
    if (params.vertical)
        m = B.x() < A.x() ? pi / 2 : 3 * pi / 2;
    else
        m = B.y() < A.y() ? pi : 0.0;
    segment(canvas, behind(A, 30, m), ahead(A, 30, m));
    halfRing(canvas, A, m, behind(A, 30, m), ahead(A, 30, m));
}

void rulerbtClick(Canvas &canvas, const RulerParams &params)
{
    const QPoint A = params.A;
    const QPoint E = params.E;
    const double theta = params.theta;
    const double g = theta + pi / 2;
    canvas.pen().colour = params.colours.grey;
    segment(canvas, A, behind(A, 800, theta));
    for (int i = 1; i <= 28; ++i) {
        canvas.pen().width = i % 4 == 0 ? 3 : 1;
        const double along = -25.0 * i;
        const auto tick = [&](double across) {
            return A + QPoint(int(std::trunc(along * std::cos(theta) + across * std::cos(g))),
                              int(std::trunc(along * std::sin(theta) + across * std::sin(g))));
        };
        segment(canvas, tick(-5), tick(5));
    }

    canvas.pen().width = 2;
    canvas.pen().colour = params.colours.ink;
    for (QPoint end : {E, A})
        segment(canvas, ahead(end, 15, g), behind(end, 15, g));
    canvas.pen().width = 1;
}

} // namespace wave
