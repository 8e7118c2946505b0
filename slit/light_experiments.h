// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slit/experiment_reader.h"
#include "slit/light_pattern.h"

#include <array>

namespace wave {

// The quantity an experiment keeps from the student.
enum class Hidden { None, Screen, Slit, Wavelength };

// A setting of the light pattern with one quantity hidden.
struct Experiment {
    SlitKind kind;
    Hidden hidden;
    int screen; // bar positions
    int slit;
    int wave;

    bool operator==(const Experiment &) const = default;
};

// Items "1" to "6" of the experiment list.
inline constexpr std::array<Experiment, 6> preparedExperiments{{
    {SlitKind::Single, Hidden::Screen, 125, 80, 400},
    {SlitKind::Single, Hidden::Wavelength, 200, 50, 1300},
    {SlitKind::Double, Hidden::Slit, 240, 54, 905},
    {SlitKind::Double, Hidden::Screen, 479, 35, 402},
    {SlitKind::Double, Hidden::Wavelength, 225, 65, 668},
    {SlitKind::Single, Hidden::Slit, 275, 54, 820},
}};

// The experiment a file holds. Hide option 0, "Show All", hides nothing, 1 the screen
// distance, 2 the slit and any other value the wavelength; every kind but 1 is the double
// slit. Positions are left to the bars to clamp.
Experiment experimentFromRecord(const ExperimentRecord &record);

} // namespace wave
