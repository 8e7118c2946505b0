// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/practice_rays.h"

#include "measure/instruments.h"
#include "platform/canvas.h"
#include "platform/random.h"

#include <QCoreApplication>

#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace wave {

namespace {

using std::numbers::pi;

// Where the interface and the point of incidence start.
constexpr QPoint startOfIncidence(2 * (practiceWidth / 3) - 4, practiceHeight / 2 - 4);

// -3 to 3, with 0 twice as likely as the others (and 4 only for r = 0).
int randomStep(RandomSource &random)
{
    return int(std::trunc(4 - 8 * random.uniform()));
}

QPoint midpoint(QPoint a, QPoint b)
{
    return {(a.x() + b.x()) / 2, (a.y() + b.y()) / 2};
}

// The torch's body outline in its own frame: x forward along the ray, y across it.
constexpr std::array<QPoint, 8> torchBody{
    {{0, 8}, {-8, 8}, {-8, 5}, {-25, 5}, {-25, -5}, {-8, -5}, {-8, -8}, {0, -8}}};

// The grey target: its interface and its ray, half the picture's height long.
void finalbt(Canvas &canvas, const RayLesson &lesson, const Palette &colours)
{
    canvas.pen().colour = colours.grey;
    canvas.pen().width = 2;
    const int x = lesson.targetx;
    segment(canvas, {x, 0}, {x, practiceHeight});
    const double r = practiceHeight / 2.0;
    segment(canvas, {x, int(std::trunc(lesson.targety))},
            {x - int(std::trunc(r * std::cos(lesson.targetangle))),
             int(std::trunc(lesson.targety - r * std::sin(lesson.targetangle)))});
}

// The torch at the ray's start, turned to shine along the ray at angle alpha.
void flashbt(Canvas &canvas, QPoint dsh, double alpha, const Palette &colours)
{
    const QPoint T = dsh + QPoint(1, 1);
    canvas.pen().colour = colours.mark;
    segment(canvas, T, ahead(T, 15, alpha + pi / 6 + pi / 60));
    segment(canvas, T, ahead(T, 15, alpha - pi / 6));

    canvas.pen().colour = colours.ink;
    canvas.brush().colour = colours.torch;
    canvas.ellipse(T.x() - 9, T.y() - 9, T.x() + 8, T.y() + 8);

    std::array<QPoint, torchBody.size()> body{};
    for (std::size_t i = 0; i < body.size(); ++i) {
        const QPoint p = torchBody[i];
        if (p.x() == 0)
            body[i] = ahead(T, 10, alpha + (p.y() > 0 ? pi / 2 : -pi / 2));
        else
            body[i] =
                ahead(T, std::hypot(p.x(), p.y()), alpha + std::atan(double(p.y()) / p.x()) + pi);
    }
    canvas.brush().colour = colours.ink;
    for (QPoint p : {body[2], body[5]})
        canvas.ellipse(p.x() - 3, p.y() - 3, p.x() + 3, p.y() + 3);
    const QPoint cap = behind(T, 25, alpha);
    canvas.ellipse(cap.x() + 5, cap.y() + 5, cap.x() - 5, cap.y() - 5);
    canvas.polygon(body);

    canvas.pen().colour = colours.mark;
    canvas.brush().colour = colours.mark;
    const std::array<QPoint, 3> arrowhead{ahead(T, 40, alpha), ahead(T, 30, alpha - pi / 19),
                                          ahead(T, 30, alpha + pi / 20)};
    canvas.polygon(arrowhead);
    canvas.brush().colour = colours.ground;
}

} // namespace

QString handleHint(Handle handle)
{
    switch (handle) {
    case Handle::csh:
        return QCoreApplication::translate("Practice", "Adjust to move entire structure.");
    case Handle::msh:
        return QCoreApplication::translate("Practice",
                                           "Adjust the ray\u00b4s position preserving the angle.");
    case Handle::lsh:
        return QCoreApplication::translate("Practice",
                                           "Adjust the point where the ray hits the interface.");
    case Handle::dsh:
        return QCoreApplication::translate("Practice", "Adjust the ray\u00b4s angle of incidence.");
    }
    return {};
}

double rayAngle(const Handles &handles)
{
    const QPoint d = handles.dsh - handles.lsh;
    return std::atan(double(d.y()) / d.x());
}

Handles resetHandles(const RayLesson &lesson)
{
    const double a = lesson.lessonstep == 1 ? lesson.targetangle : 0.0;
    const double r = practiceWidth / 2.0 - 40;
    Handles h;
    h.lsh = startOfIncidence;
    h.csh = startOfIncidence + QPoint(0, 7);
    h.dsh = behind(startOfIncidence, r, a);
    h.msh = midpoint(h.lsh, h.dsh);
    return h;
}

void nextLesson(RayLesson &lesson, const Handles &handles, RandomSource &random)
{
    lesson.lessonstep = (lesson.lessonstep + 1) % 4;
    lesson.targetx = startOfIncidence.x();
    if (lesson.lessonstep == 3)
        lesson.targetx += 20 * randomStep(random) + 5;
    lesson.targetangle = randomStep(random) * pi / 18 + pi / 7;
    lesson.targety = handles.lsh.y();
    if (lesson.lessonstep != 0)
        lesson.targety += 15 * randomStep(random) + 9;
}

Handles dragHandle(Handles h, Handle handle, QPoint to)
{
    switch (handle) {
    case Handle::lsh:
        h.lsh.setY(to.y());
        break;
    case Handle::dsh:
        h.dsh = QPoint(std::min(to.x(), h.lsh.x() - 15), to.y());
        break;
    case Handle::msh: {
        const QPoint by(0, to.y() - h.msh.y());
        h.msh += by;
        h.dsh += by;
        h.lsh += by;
        return h;
    }
    case Handle::csh: {
        const QPoint by = to - h.csh;
        for (QPoint *p : {&h.csh, &h.msh, &h.lsh, &h.dsh})
            *p += by;
        return h;
    }
    }
    h.msh = midpoint(h.lsh, h.dsh);
    return h;
}

void plotRays(Canvas &canvas, const RayLesson &lesson, const Handles &handles,
              const Palette &colours)
{
    clearPractice(canvas, colours);
    finalbt(canvas, lesson, colours);
    canvas.pen().colour = colours.ink;
    segment(canvas, {handles.csh.x(), 0}, {handles.csh.x(), practiceHeight});
    canvas.pen().colour = colours.mark;
    segment(canvas, handles.lsh, handles.dsh);
    canvas.pen().width = 1;
    flashbt(canvas, handles.dsh, rayAngle(handles), colours);
}

Verdict judgeRays(const RayLesson &lesson, const Handles &handles)
{
    return judge(std::abs(rayAngle(handles) - lesson.targetangle) < 0.03 &&
                 std::abs(handles.csh.x() - lesson.targetx) < 3 &&
                 std::abs(handles.lsh.y() - int(std::trunc(lesson.targety))) < 3);
}

} // namespace wave
