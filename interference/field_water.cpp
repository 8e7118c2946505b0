// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/field_water.h"

#include "view/shared_state.h"

#include <numbers>

namespace wave {

WaterSetUp fieldWater(const FieldParams &params, const std::array<int, 3> &amplitudeBars,
                      double now)
{
    constexpr double pixelsPerTick = 1.0; // a tick moves every ring one pixel
    WaterSetUp water(viewWidth, viewHeight, float(pixelsPerTick));
    water.stepsPerTick = stepsPerTickFor(pixelsPerTick);
    const std::array<int, 3> lefts = markerLefts(params.n, params.S);
    for (std::size_t k = 0; k < std::size_t(params.n); ++k) {
        const double wavelength = 2.0 * params.P[k];
        const double wavenumber = 2.0 * std::numbers::pi / wavelength;
        PointSource source;
        source.x = lefts[k] - viewOffset + 2;
        source.y = params.markerTop - viewOffset + 3;
        source.wavelength = wavelength;
        // The rings' crests lie at r = T + (t - now) modulo the wavelength.
        source.phase = wavenumber * (params.T[k] - now * pixelsPerTick);
        source.amplitude = amplitudeBars[k] / 10.0;
        water.points.push_back(source);
    }
    return water;
}

} // namespace wave
