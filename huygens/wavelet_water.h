// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "huygens/wavelet_row.h"
#include "simulation/water_set_up.h"

namespace wave {

// The water the wavelet row drives: each source of the row that the construction draws
// sends out its M waves, one period P / 10 apart, from the time the construction starts
// it (together, or one after another along the row), at V pixels a tick. The row's time t
// is taken to hold at the water's time now.
WaterSetUp waveletRowWater(const WaveletRowParams &params, double now);

} // namespace wave
