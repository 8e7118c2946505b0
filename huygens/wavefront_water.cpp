// SPDX-License-Identifier: GPL-3.0-or-later
#include "huygens/wavefront_water.h"

#include "view/shared_state.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wave {

namespace {

// The fronts travel tau c / 20 pixels: so many pixels a tick at speed c.
double pixelsPerTick(int c)
{
    return frontTimePerTick * c / 20.0;
}

} // namespace

WaterSetUp wavefrontWater(const WavefrontParams &params, double now)
{
    const double incoming = pixelsPerTick(params.c1);
    const double beyond = pixelsPerTick(params.c2);
    const int yR = boundaryLine(params);
    WaterSetUp water(viewWidth, viewHeight, float(incoming));
    const QRect above(0, 0, viewWidth, yR);
    if (params.refraction)
        water.fillSpeed(above, float(beyond));
    else
        water.addWall(above);
    water.stepsPerTick = stepsPerTickFor(params.refraction ? std::max(incoming, beyond) : incoming);

    const double theta = params.angle / 10.0 * std::numbers::pi / 180.0;
    const double k = 2.0 * std::numbers::pi / params.lambda;
    // Distances along the direction of travel (sin theta, -cos theta): front 0 is D on from
    // the point where it first meets the boundary.
    const double contact = firstContact() * std::sin(theta) - yR * std::cos(theta);
    const double D = params.tau * params.c1 / 20.0 - 40.0;
    LineSource source;
    source.row = viewHeight - 1;
    source.angle = theta;
    source.wavelength = params.lambda;
    source.phase = k * (source.row * std::cos(theta) + contact + D) - k * incoming * now;
    // Front 0 crosses the row at x = 0 then; it leads the burst of F fronts.
    const double crosses = now + (-source.row * std::cos(theta) - contact - D) / incoming;
    source.start = crosses - params.lambda / incoming / 2.0;
    source.cycles = params.F;
    water.lines.push_back(source);
    return water;
}

} // namespace wave
