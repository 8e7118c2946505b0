// SPDX-License-Identifier: GPL-3.0-or-later
#include "huygens/wavelet_water.h"

#include "view/shared_state.h"

#include <numbers>

namespace wave {

WaterSetUp waveletRowWater(const WaveletRowParams &params, double now)
{
    const double speed = params.V; // a tick is one time unit of the row
    const double period = params.P / 10.0;
    const double wavelength = speed * period;
    const double omega = 2.0 * std::numbers::pi / period;
    WaterSetUp water(viewWidth, viewHeight, float(speed));
    water.stepsPerTick = stepsPerTickFor(speed);
    for (int b = 1; b <= params.N; ++b) {
        const int x = sourceX(params, b);
        if (!sourceVisible(params, b) || x <= 0 || x >= viewWidth)
            continue;
        const int m = params.sequential ? b : 1;
        // The first wave leaves the source at m sep / S on the row's clock.
        const double leaves = now + double(m) * params.sep / params.S - params.t;
        PointSource source;
        source.x = x;
        source.y = rowLine();
        source.wavelength = wavelength;
        source.phase = -omega * leaves;
        source.start = leaves - period / 2.0; // each wave's crest mid-way through its period
        source.cycles = params.M;
        water.points.push_back(source);
    }
    return water;
}

} // namespace wave
