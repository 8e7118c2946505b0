// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/simulated_water.h"

#include "simulation/water_image.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wave {

namespace {

// The scenes rebuild their water at every tick from clocks that wrap; a phase that has
// gone round whole turns, or rounding in the last digits, is the same water.
bool samePhase(double a, double b)
{
    const double turns = (a - b) / (2.0 * std::numbers::pi);
    return std::abs(turns - std::round(turns)) < 1e-6;
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

bool sameDrive(const PointSource &a, const PointSource &b)
{
    return a.x == b.x && a.y == b.y && a.wavelength == b.wavelength &&
           samePhase(a.phase, b.phase) && a.amplitude == b.amplitude && near(a.start, b.start) &&
           a.cycles == b.cycles;
}

bool sameDrive(const LineSource &a, const LineSource &b)
{
    return a.row == b.row && a.angle == b.angle && a.wavelength == b.wavelength &&
           samePhase(a.phase, b.phase) && a.amplitude == b.amplitude && near(a.start, b.start) &&
           a.cycles == b.cycles;
}

template <typename Source>
bool sameSources(const std::vector<Source> &a, const std::vector<Source> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Source &s, const Source &t) { return sameDrive(s, t); });
}

bool sameWater(const WaterSetUp &a, const WaterSetUp &b)
{
    return a.width == b.width && a.height == b.height && a.stepsPerTick == b.stepsPerTick &&
           a.absorbing == b.absorbing && a.speed == b.speed && a.fills == b.fills &&
           a.walls == b.walls && sameSources(a.points, b.points) && sameSources(a.lines, b.lines);
}

} // namespace

SimulatedWater::SimulatedWater(int threads) : solver_(threads)
{
}

void SimulatedWater::copyFrom(const SimulatedWater &other)
{
    solver_.copyStateFrom(other.solver_);
    on_ = other.on_;
    construction_ = other.construction_;
    applied_ = other.applied_;
}

void SimulatedWater::setOn(bool on)
{
    on_ = on;
    reset();
}

void SimulatedWater::reset()
{
    solver_.reset();
    solver_.setAveraging(false);
    applied_.reset();
}

void SimulatedWater::tick()
{
    if (on_ && applied_)
        solver_.tick();
}

bool SimulatedWater::follow(const WaterSetUp &setUp)
{
    if (applied_ && sameWater(*applied_, setUp))
        return true;
    if (!solver_.apply(setUp).isEmpty())
        return false;
    // The mean is of the pattern the new settings make.
    solver_.clearAverage();
    applied_ = setUp;
    return true;
}

void SimulatedWater::show(const Scene &scene, QImage &picture, const Palette &colours)
{
    if (on_ && follow(scene(solver_.time())))
        compose(picture, colours);
}

void SimulatedWater::compose(QImage &picture, const Palette &colours) const
{
    if (!applied_)
        return;
    drawWater(picture, solver_.displacement(), colours.crest, colours.waterTrough, waterColourScale,
              construction_ ? std::optional<QRgb>(colours.ground) : std::nullopt);
}

SimulatedWater::Row SimulatedWater::row(int y)
{
    // The mean costs a sum at every step: it is kept from the first time it is asked for.
    solver_.setAveraging(true);
    Row row;
    if (!applied_ || y < 0 || y >= solver_.height())
        return row;
    const QPointF from(0, y), to(solver_.width() - 1, y);
    row.displacement = solver_.displacementAlong(from, to, solver_.width());
    row.intensity = solver_.intensityAlong(from, to, solver_.width());
    const double peak = *std::max_element(row.intensity.begin(), row.intensity.end());
    for (double &value : row.intensity)
        value = peak > 0.0 ? value / peak : 0.0;
    return row;
}

} // namespace wave
