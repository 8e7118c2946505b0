// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/slit_water.h"

#include "view/shared_state.h"

#include <numbers>

namespace wave {

WaterSetUp slitWater(const SlitParams &params, double now)
{
    constexpr double pixelsPerTick = 1.0; // a tick moves every front one pixel
    WaterSetUp water(viewWidth, viewHeight, float(pixelsPerTick));
    water.stepsPerTick = stepsPerTickFor(pixelsPerTick);
    const SlitGeometry g = slitGeometry(params, viewWidth, viewHeight);
    // The barrier's rows f - 4 to f, on both sides of the gap of 2 hw.
    water.addWall(QRect(QPoint(0, g.f - 4), QPoint(g.cx - g.hw - 1, g.f)));
    water.addWall(QRect(QPoint(g.cx + g.hw, g.f - 4), QPoint(viewWidth - 1, g.f)));

    const double k = 2.0 * std::numbers::pi / params.lambda;
    LineSource source;
    source.row = viewHeight - 1;
    source.wavelength = params.lambda;
    // The fronts' crests lie at y = f - phase - (t - now) modulo the wavelength.
    source.phase = k * (source.row - g.f + params.phase) - k * pixelsPerTick * now;
    water.lines.push_back(source);
    return water;
}

} // namespace wave
