// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/shared_state.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

namespace wave {

// Lengths are in view pixels, one cell of water each; times are in animation ticks.

// The water at one point driven up and down. Far out the wave it makes is
// amplitude x cos(k r - w t - phase) / sqrt(r / 100): the amplitude holds 100 pixels out.
struct PointSource {
    int x = 0;
    int y = 0;
    double wavelength = 30.0;
    double phase = 0.0; // radians
    double amplitude = 1.0;
    double start = 0.0; // when it starts; it rises over its first period
    int cycles = 0;     // 0 runs on; otherwise a burst of that many periods from start
};

// A whole row of the water driven with a phase that runs along it, so that a plane wave
// leaves the row upwards, travelling at the angle from straight up (towards the right for a
// positive angle): amplitude x cos(k (x sin a - (y - row) cos a) - w t - phase). Its twin
// going downwards leaves through the absorbing layer when the row lies near the bottom.
struct LineSource {
    int row = 0;
    double angle = 0.0; // radians
    double wavelength = 30.0;
    double phase = 0.0;
    double amplitude = 1.0;
    double start = 0.0; // as for a point source, measured where the row meets x = 0
    int cycles = 0;
};

// A stretch of the water where waves run at their own speed.
struct SpeedFill {
    QRect cells;
    float speed = 0.0f;

    bool operator==(const SpeedFill &) const = default;
};

// Everything the solver is set up from: the speed of the water, the stretches where it
// differs, the hard walls, the sources and how many time steps make one tick. The grid's
// rectangles are clipped to it; a later fill lies over an earlier one. Outside the visible
// grid the speeds and walls of its edge carry on into the absorbing layer.
struct WaterSetUp {
    explicit WaterSetUp(int width = viewWidth, int height = viewHeight, float speed = 1.0f);

    int width;
    int height;
    float speed;                  // pixels a tick wherever no fill lies
    std::vector<SpeedFill> fills; // as added
    std::vector<QRect> walls;
    std::vector<PointSource> points;
    std::vector<LineSource> lines;
    int stepsPerTick;      // at first what stepsPerTickFor gives for the one speed
    bool absorbing = true; // otherwise the edges reflect and nothing is lost

    void fillSpeed(const QRect &cells, float pixelsPerTick);
    void addWall(const QRect &cells);
    float speedAt(int x, int y) const;
    bool wallAt(int x, int y) const;
    float fastest() const;
    // Every cell's speed and wall, row by row.
    std::vector<float> speedGrid() const;
    std::vector<std::uint8_t> wallGrid() const;
};

// Largest distance a wave travels in one time step, in cells: the Courant number. The
// solver's fourth-order space differences with the leapfrog in time are stable up to
// sqrt(3/8); set-ups keep to half a cell a step, where a wave of 4 pixels is within 2 % of
// its wavelength in every direction.
constexpr double courantTarget = 0.5;
constexpr double courantLimit = 0.6;
// Three cells a wavelength is the least the grid carries: there waves run up to 5 % slow.
constexpr double shortestWavelength = 3.0;

// The fewest time steps a tick for waves of that speed at the target Courant number.
int stepsPerTickFor(double pixelsPerTick);
double courantNumber(const WaterSetUp &setUp);

// Why the solver would refuse the set-up, in words; empty when it runs.
QString setUpProblem(const WaterSetUp &setUp);

} // namespace wave
