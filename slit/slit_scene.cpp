// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/slit_scene.h"

#include "platform/canvas.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

namespace wave {

double edgeAngle(int lambda, int width)
{
    const double s = double(lambda) / width;
    if (s >= 1.0)
        return std::numbers::pi / 2;
    return std::atan(s / std::sqrt(1.0 - s * s));
}

SlitGeometry slitGeometry(const SlitParams &params, int W, int H)
{
    SlitGeometry g{};
    g.f = H - 50;
    g.cx = W / 2;
    g.hw = params.width / 2;
    g.phi = edgeAngle(params.lambda, params.width);
    const int side = int(std::trunc(400 * std::sin(g.phi)));
    const int up = g.f - int(std::trunc(400 * std::cos(g.phi)));
    g.rightEnd = QPoint(g.cx + g.hw + side, up);
    g.leftEnd = QPoint(g.cx - g.hw - side, up);
    return g;
}

int nextPhase(int phase, int lambda)
{
    return (phase + 1) % lambda;
}

void drawSlit(Canvas &canvas, const SlitParams &params)
{
    const int W = canvas.width();
    const int H = canvas.height();
    const SlitGeometry g = slitGeometry(params, W, H);
    const int lambda = params.lambda;
    // A phase left behind by a larger wavelength is drawn as the phase it stands for, so no
    // incoming front is drawn over the barrier; the phase itself waits for the next tick.
    const int t = params.phase % lambda;

    const Palette &colours = params.colours;
    canvas.pen() = Pen{colours.ground, 1, PenStyle::Clear};
    canvas.brush() = Brush{colours.ground, BrushStyle::Solid};
    canvas.rectangle(0, 0, W + 1, H + 1);

    canvas.pen() = Pen{colours.ink, 1, PenStyle::Solid};
    canvas.brush() = Brush{colours.ink, BrushStyle::Solid};
    canvas.rectangle(0, g.f - 4, g.cx - g.hw, g.f + 1);
    canvas.rectangle(g.cx + g.hw, g.f - 4, W, g.f + 1);

    for (int i = 1; i <= 50 / lambda + 1; ++i) {
        const int y = g.f + lambda * i - t;
        canvas.moveTo(0, y);
        canvas.lineTo(W, y);
    }

    const int cR = g.cx + g.hw - 1;
    const int cL = g.cx - g.hw - 1;
    // The top of each bend is fixed by a point 400 pixels up, as its other end is. An arc
    // turns about the middle of its box, half a pixel left of cR and cL, so the circle's own
    // top lies slightly right of the vertical; on a small circle that is further right than
    // a narrow edge angle and the right bend would wrap round into a whole circle.
    const int top = g.f - 400;
    for (int k = 0; k <= (g.f + 120) / lambda; ++k) {
        const int r = k * lambda + t;
        const int y = g.f - r;
        canvas.moveTo(g.cx + g.hw, y);
        canvas.lineTo(g.cx - g.hw - 2, y);
        canvas.arc(cR - r, g.f - r, cR + r, g.f + r, g.rightEnd.x(), g.rightEnd.y(), cR, top);
        canvas.arc(cL - r, g.f - r, cL + r, g.f + r, cL, top, g.leftEnd.x(), g.leftEnd.y());
    }

    canvas.pen() = Pen{colours.ink, 2, PenStyle::Solid};
}

QString describeSlit(const SlitParams &params)
{
    return QCoreApplication::translate(
               "SlitScene", "Plane waves of wavelength %1 passing a slit %2 pixels wide and "
                            "spreading beyond it")
        .arg(params.lambda)
        .arg(params.width);
}

} // namespace wave
