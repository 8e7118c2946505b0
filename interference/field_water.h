// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interference/field_renderer.h"
#include "simulation/water_set_up.h"

#include <array>

namespace wave {

// The water the field's n sources drive, each at its ring centre with wavelength 2P and
// amplitude bar / 10, phased so that its crests far out lie where the construction's
// solid rings do while the phase offsets T hold at the water's time now, and running one
// pixel a tick as the rings do.
WaterSetUp fieldWater(const FieldParams &params, const std::array<int, 3> &amplitudeBars,
                      double now);

} // namespace wave
