// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/water_set_up.h"
#include "slit/slit_scene.h"

namespace wave {

// The water of the single slit: the barrier as a hard wall across the view with the slit's
// gap, and a plane wave of the scene's wavelength leaving the view's bottom row straight up,
// one pixel a tick, its crests where the construction's fronts are while its phase holds at
// the water's time now.
WaterSetUp slitWater(const SlitParams &params, double now);

} // namespace wave
