// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/water_set_up.h"

#include <QCoreApplication>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace wave {

WaterSetUp::WaterSetUp(int width, int height, float speed)
    : width(width), height(height), speed(speed), stepsPerTick(stepsPerTickFor(speed))
{
}

void WaterSetUp::fillSpeed(const QRect &cells, float pixelsPerTick)
{
    if (const QRect r = cells & QRect(0, 0, width, height); !r.isEmpty())
        fills.push_back({r, pixelsPerTick});
}

void WaterSetUp::addWall(const QRect &cells)
{
    if (const QRect r = cells & QRect(0, 0, width, height); !r.isEmpty())
        walls.push_back(r);
}

float WaterSetUp::speedAt(int x, int y) const
{
    const auto fill = std::find_if(fills.rbegin(), fills.rend(),
                                   [&](const SpeedFill &f) { return f.cells.contains(x, y); });
    return fill == fills.rend() ? speed : fill->speed;
}

bool WaterSetUp::wallAt(int x, int y) const
{
    return std::any_of(walls.begin(), walls.end(),
                       [&](const QRect &r) { return r.contains(x, y); });
}

float WaterSetUp::fastest() const
{
    QRegion open(0, 0, width, height);
    float fastest = 0.0f;
    for (auto f = fills.rbegin(); f != fills.rend(); ++f) {
        if (open.intersects(f->cells))
            fastest = std::max(fastest, f->speed);
        open -= f->cells;
    }
    return open.isEmpty() ? fastest : std::max(fastest, speed);
}

std::vector<float> WaterSetUp::speedGrid() const
{
    std::vector<float> grid(std::size_t(std::max(width, 0)) * std::size_t(std::max(height, 0)),
                            speed);
    for (const SpeedFill &f : fills)
        for (int y = f.cells.top(); y <= f.cells.bottom(); ++y)
            std::fill_n(grid.begin() + y * width + f.cells.left(), f.cells.width(), f.speed);
    return grid;
}

std::vector<std::uint8_t> WaterSetUp::wallGrid() const
{
    std::vector<std::uint8_t> grid(
        std::size_t(std::max(width, 0)) * std::size_t(std::max(height, 0)), 0);
    for (const QRect &r : walls)
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::fill_n(grid.begin() + y * width + r.left(), r.width(), std::uint8_t{1});
    return grid;
}

int stepsPerTickFor(double pixelsPerTick)
{
    return std::max(1, int(std::ceil(pixelsPerTick / courantTarget - 1e-9)));
}

double courantNumber(const WaterSetUp &setUp)
{
    return setUp.fastest() / std::max(1, setUp.stepsPerTick);
}

namespace {

QString sourceProblem(const WaterSetUp &setUp, double wavelength, int x, int y)
{
    if (!(wavelength >= shortestWavelength))
        return QCoreApplication::translate(
                   "WaterSetUp", "A wavelength of %1 pixels is shorter than the %2 pixels the "
                                 "water grid can carry.")
            .arg(wavelength)
            .arg(shortestWavelength);
    if (x < 0 || y < 0 || x >= setUp.width || y >= setUp.height)
        return QCoreApplication::translate("WaterSetUp",
                                           "A source at (%1, %2) lies outside the water.")
            .arg(x)
            .arg(y);
    if (setUp.wallAt(x, y))
        return QCoreApplication::translate("WaterSetUp", "A source at (%1, %2) lies inside a wall.")
            .arg(x)
            .arg(y);
    if (!(setUp.speedAt(x, y) > 0.0f))
        return QCoreApplication::translate("WaterSetUp",
                                           "A source at (%1, %2) lies in still water.")
            .arg(x)
            .arg(y);
    return {};
}

} // namespace

QString setUpProblem(const WaterSetUp &setUp)
{
    if (setUp.width < 1 || setUp.height < 1)
        return QCoreApplication::translate("WaterSetUp", "The water's grid has no cells.");
    if (setUp.stepsPerTick < 1)
        return QCoreApplication::translate("WaterSetUp", "A tick needs at least one time step.");
    auto badSpeed = [](float c) { return !(c >= 0.0f) || !std::isfinite(c); };
    if (badSpeed(setUp.speed) || std::any_of(setUp.fills.begin(), setUp.fills.end(),
                                             [&](const SpeedFill &f) { return badSpeed(f.speed); }))
        return QCoreApplication::translate(
            "WaterSetUp", "Every speed must be a finite number of pixels, not negative.");
    const double courant = courantNumber(setUp);
    if (courant > courantLimit)
        return QCoreApplication::translate(
                   "WaterSetUp", "Waves of %1 pixels a tick would run %2 cells a time step, "
                                 "past the %3 at which the water stays stable: take at least "
                                 "%4 steps a tick.")
            .arg(setUp.fastest())
            .arg(courant, 0, 'f', 2)
            .arg(courantLimit)
            .arg(stepsPerTickFor(setUp.fastest()));
    for (const PointSource &s : setUp.points)
        if (const QString why = sourceProblem(setUp, s.wavelength, s.x, s.y); !why.isEmpty())
            return why;
    for (const LineSource &s : setUp.lines) {
        // A row may cross walls: the cells of the row inside them are left alone.
        if (!(s.wavelength >= shortestWavelength))
            return sourceProblem(setUp, s.wavelength, 0, s.row);
        if (s.row < 0 || s.row >= setUp.height)
            return QCoreApplication::translate("WaterSetUp",
                                               "A plane wave's row %1 lies outside the water.")
                .arg(s.row);
        if (!(std::abs(s.angle) < M_PI / 2))
            return QCoreApplication::translate("WaterSetUp",
                                               "A plane wave must leave its row upwards.");
    }
    return {};
}

} // namespace wave
