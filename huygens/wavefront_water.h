// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "huygens/wavefront.h"
#include "simulation/water_set_up.h"

namespace wave {

// The page's timer moves the time set on by this much a tick.
constexpr int frontTimePerTick = 3;

// The water of the wavefront page: its F incoming fronts as a plane wave that leaves the
// view's bottom row at the angle of incidence and meets the boundary where the construction's
// fronts do while its time tau holds at the water's time now. Below the boundary the waves
// run at the incoming speed; beyond it at the refracted speed, or in the reflection mode the
// water ends there at a hard wall.
WaterSetUp wavefrontWater(const WavefrontParams &params, double now);

} // namespace wave
