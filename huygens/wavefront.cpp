// SPDX-License-Identifier: GPL-3.0-or-later
#include "huygens/wavefront.h"

#include "platform/language.h"

#include "platform/canvas.h"
#include "view/shared_state.h"

#include <QCoreApplication>

#include <array>
#include <cmath>
#include <numbers>

namespace wave {

namespace {

constexpr double delta1 = std::numbers::pi / 38;
constexpr double delta2 = std::numbers::pi / 39;

int tr(double v)
{
    return static_cast<int>(std::trunc(v));
}

double theta(const WavefrontParams &params)
{
    return params.angle / 10.0 / 180.0 * std::numbers::pi;
}

int frontLength(const WavefrontParams &params)
{
    return params.refraction ? viewWidth / 4 : 2 * (viewWidth / 4);
}

// The incoming front k: its reference point offsets and its line y = x tan + b, with y
// pointing down from the boundary.
struct Front {
    int dx;
    int dy;
    double tan;
    double b;
};

Front front(const WavefrontParams &params, int k)
{
    const double th = theta(params);
    const double d = params.tau * params.c1 / 20.0 - 40 - params.lambda * k;
    Front f{};
    f.dy = tr(std::cos(th) * d);
    f.dx = tr(std::sin(th) * d);
    f.tan = std::sin(th) / std::cos(th);
    f.b = -f.dy - (firstContact() + f.dx) * f.tan;
    return f;
}

// Ray from Q to Q + 300 (sx sin a, cy cos a) and its arrowhead, the tip at radius
// `tip` and the barbs at radius `barb`.
void ray(Canvas &canvas, QPoint Q, double a, int sx, int cy, int tip, int barb)
{
    const auto at = [&](double r, double angle) {
        return QPoint(Q.x() + sx * tr(r * std::sin(angle)), Q.y() + cy * tr(r * std::cos(angle)));
    };
    canvas.moveTo(Q.x(), Q.y());
    const QPoint end = at(300, a);
    canvas.lineTo(end.x(), end.y());
    const std::array<QPoint, 4> head{at(tip, a), at(barb, a - delta1), at(barb, a + delta2),
                                     at(tip, a)};
    canvas.polygon(head);
}

void drawRays(Canvas &canvas, const WavefrontParams &params)
{
    const int v = params.refraction ? 50 : 100;
    const QPoint Q(firstContact() + v, boundaryLine(params));
    const double th = theta(params);
    canvas.pen() = Pen{params.colours.rays, 2, PenStyle::Solid};
    canvas.brush() = Brush{params.colours.rays, BrushStyle::Solid};
    ray(canvas, Q, th, -1, 1, 60, 70);
    const int e = tr(std::cos(th) * (params.tau * params.c1 / 20.0 - 40));
    if (e <= 0)
        return;
    ray(canvas, Q, th, 1, 1, 70, 60);
    if (params.refraction)
        ray(canvas, Q, refractionAngle(params), 1, -1, 70, 60);
}

} // namespace

int nextFrontTime(int tau, int last)
{
    return tau + 3 >= last ? 0 : tau + 3;
}

int boundaryLine(const WavefrontParams &params)
{
    const int yB = viewHeight / 2;
    return params.refraction ? yB : yB / 2;
}

int firstContact()
{
    return viewWidth / 4;
}

double refractionAngle(const WavefrontParams &params)
{
    const double s = std::sin(theta(params)) * params.c2 / params.c1;
    if (s >= 1)
        return std::numbers::pi / 2;
    return std::atan(s / std::sqrt(1 - s * s));
}

FrontLine frontLine(const WavefrontParams &params, int k)
{
    const double th = theta(params);
    const Front f = front(params, k);
    const int x0 = firstContact();
    const int yR = boundaryLine(params);
    const int Lf = frontLength(params);
    const QPoint far(x0 + f.dx + tr(Lf * std::cos(th)), yR - f.dy + tr(Lf * std::sin(th)));
    if (f.dy < 0)
        return {true, QPoint(x0 + f.dx, yR - f.dy), far};
    if (tr(Lf * std::sin(th)) - f.dy > 0)
        return {true, QPoint(tr(-f.b / f.tan), yR), far};
    return {false, {}, {}};
}

std::vector<Wavelet> wavelets(const WavefrontParams &params, int k)
{
    std::vector<Wavelet> list;
    const Front f = front(params, k);
    if (f.dy <= 0)
        return list;
    const double th = theta(params);
    const int x0 = firstContact();
    const int farX = x0 + f.dx + tr(frontLength(params) * std::cos(th));
    for (int j = viewWidth / params.ps; j * params.ps > x0; --j) {
        const int Xj = j * params.ps;
        const double xi = (f.b - Xj / f.tan) / (-f.tan - 1 / f.tan);
        const double yi = f.tan * xi + f.b;
        const int r = tr(std::sqrt((xi - Xj) * (xi - Xj) + yi * yi));
        if (yi < 0 && farX > xi)
            list.push_back({Xj, r, tr(double(r) / params.c1 * params.c2)});
    }
    return list;
}

void drawWavefronts(Canvas &canvas, const WavefrontParams &params)
{
    const Palette &colours = params.colours;
    canvas.pen() = Pen{colours.ground, 1, PenStyle::Solid};
    canvas.brush() = Brush{colours.ground, BrushStyle::Solid};
    canvas.rectangle(0, 0, viewWidth, viewHeight);
    canvas.pen() = Pen{colours.ink, 1, PenStyle::Solid};
    canvas.brush().colour = colours.ink;
    if (params.rays)
        drawRays(canvas, params);

    const int yR = boundaryLine(params);
    const int yB = viewHeight / 2;
    canvas.pen() = Pen{colours.ink, 1, PenStyle::Solid};
    canvas.brush() = Brush{colours.ground, BrushStyle::Solid};
    for (int j = 0; j <= viewWidth / params.ps; ++j)
        canvas.ellipse(j * params.ps - 1, yR - 1, j * params.ps + 1, yR + 1);

    for (int k = 0; k < params.F; ++k) {
        canvas.pen() = Pen{colours.ink, 3, PenStyle::Solid};
        const FrontLine line = frontLine(params, k);
        if (line.drawn) {
            canvas.moveTo(line.from.x(), line.from.y());
            canvas.lineTo(line.to.x(), line.to.y());
        }
        canvas.pen().width = 1;
        for (const Wavelet &w : wavelets(params, k)) {
            canvas.pen().colour = colours.reflected;
            canvas.arc(w.x - w.r, yR - w.r, w.x + w.r, yR + w.r, w.x - w.r, yR, w.x + w.r, yR);
            if (params.refraction) {
                canvas.pen().colour = colours.refracted;
                canvas.arc(w.x - w.r2, yB - w.r2, w.x + w.r2, yB + w.r2, w.x + w.r2, yB, w.x - w.r2,
                           yB);
            }
        }
    }
}

QString describeWavefronts(const WavefrontParams &params)
{
    QString text =
        (params.F == 1 ? QCoreApplication::translate(
                             "Wavefront", "%1 plane wavefront of wavelength %2 meeting a "
                                          "boundary at %3 degrees, ")
                       : QCoreApplication::translate("Wavefront",
                                                     "%1 plane wavefronts of wavelength %2 meeting "
                                                     "a boundary at %3 degrees, "))
            .arg(params.F)
            .arg(params.lambda)
            .arg(shownNumber(params.angle / 10.0, 1));
    text += params.refraction
                ? QCoreApplication::translate("Wavefront", "refracted from speed %1 to speed %2")
                      .arg(params.c1)
                      .arg(params.c2)
                : QCoreApplication::translate("Wavefront", "reflected at speed %1").arg(params.c1);
    if (params.rays)
        text += QCoreApplication::translate("Wavefront", ", with rays");
    return text;
}

} // namespace wave
