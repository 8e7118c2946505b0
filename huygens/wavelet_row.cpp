// SPDX-License-Identifier: GPL-3.0-or-later
#include "huygens/wavelet_row.h"

#include "platform/language.h"

#include "platform/canvas.h"
#include "view/shared_state.h"

#include <QCoreApplication>

#include <cmath>

namespace wave {

namespace {

constexpr int centreX = viewWidth / 2;
constexpr int inset = 14; // the view's left inset inside its frame shifts the row left

int offset(const WaveletRowParams &params, int b)
{
    return params.N / 2 - b;
}

} // namespace

int rowLine()
{
    return viewHeight - 30;
}

int sourceX(const WaveletRowParams &params, int b)
{
    return centreX - inset - offset(params, b) * params.sep;
}

bool sourceVisible(const WaveletRowParams &params, int b)
{
    const int x = centreX + offset(params, b) * params.sep - 1;
    return 0 < x && x < viewWidth;
}

int nextWaveletTime(int t, int last)
{
    return t >= last ? 2 : t + 1;
}

void drawWaveletRow(Canvas &canvas, const WaveletRowParams &params)
{
    const int y0 = rowLine();
    const Palette &colours = params.colours;
    canvas.pen() = Pen{colours.ground, 1, PenStyle::Solid};
    canvas.brush() = Brush{colours.ground, BrushStyle::Solid};
    canvas.rectangle(0, 0, viewWidth, viewHeight);

    canvas.pen() = Pen{colours.reflected, 1, PenStyle::Solid};
    canvas.brush() = Brush{colours.reflected, BrushStyle::Solid};
    for (int b = 1; b <= params.N; ++b) {
        if (!sourceVisible(params, b))
            continue;
        const int x = sourceX(params, b);
        canvas.ellipse(x - 2, y0 - 2, x + 2, y0 + 2);
    }

    for (int b = 1; b <= params.N; ++b) {
        if (!sourceVisible(params, b))
            continue;
        canvas.brush().style = BrushStyle::Clear;
        const int m = params.sequential ? b : 1;
        const int x = sourceX(params, b);
        for (int i = 0;; ++i) {
            const int R = params.S * params.t - params.S * i * params.P / 10;
            if (!(i < params.M && params.sep * m < R && x > 0))
                break;
            const int r =
                static_cast<int>(std::trunc(double(R - params.sep * m) / params.S * params.V));
            canvas.arc(x - r, y0 - r, x + r, y0 + r, x + r, y0, x - r, y0);
            if (params.sequential) {
                const int xr = centreX - (params.N / 2 + 1) * params.sep - 1 + R;
                canvas.pen() = Pen{colours.refracted, 2, PenStyle::Solid};
                canvas.moveTo(xr, viewHeight - 20);
                canvas.lineTo(xr, viewHeight);
                canvas.pen() = Pen{colours.reflected, 1, PenStyle::Solid};
            }
        }
    }
}

QString describeWaveletRow(const WaveletRowParams &params)
{
    // The time is left out: it moves on with every tick of the animation, and a reader
    // would announce each one.
    return QCoreApplication::translate("WaveletRow",
                                       "A row of %1 wavelet sources %2 pixels apart, "
                                       "started %3, wave speed %4, period %5, up to %6 "
                                       "wavelets each")
        .arg(params.N)
        .arg(params.sep)
        .arg(params.sequential
                 ? QCoreApplication::translate("WaveletRow", "one after another at speed %1")
                       .arg(params.S)
                 : QCoreApplication::translate("WaveletRow", "together"))
        .arg(params.V)
        .arg(shownNumber(params.P / 10.0, 1))
        .arg(params.M);
}

} // namespace wave
