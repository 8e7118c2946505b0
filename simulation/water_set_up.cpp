// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/water_set_up.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace wave {

WaterSetUp::WaterSetUp(int width, int height, float speed)
    : width(width), height(height), speed(std::size_t(width) * std::size_t(height), speed),
      wall(std::size_t(width) * std::size_t(height), 0), stepsPerTick(stepsPerTickFor(speed))
{
}

void WaterSetUp::fillSpeed(const QRect &cells, float pixelsPerTick)
{
    const QRect r = cells & QRect(0, 0, width, height);
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill_n(speed.begin() + y * width + r.left(), r.width(), pixelsPerTick);
}

void WaterSetUp::addWall(const QRect &cells)
{
    const QRect r = cells & QRect(0, 0, width, height);
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill_n(wall.begin() + y * width + r.left(), r.width(), std::uint8_t{1});
}

float WaterSetUp::speedAt(int x, int y) const
{
    return speed[std::size_t(y) * std::size_t(width) + std::size_t(x)];
}

bool WaterSetUp::wallAt(int x, int y) const
{
    return wall[std::size_t(y) * std::size_t(width) + std::size_t(x)] != 0;
}

float WaterSetUp::fastest() const
{
    return speed.empty() ? 0.0f : *std::max_element(speed.begin(), speed.end());
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
    const auto cells = std::size_t(setUp.width) * std::size_t(setUp.height);
    if (setUp.width < 1 || setUp.height < 1 || setUp.speed.size() != cells ||
        setUp.wall.size() != cells)
        return QCoreApplication::translate("WaterSetUp",
                                           "The water's speeds and walls do not cover its grid.");
    if (setUp.stepsPerTick < 1)
        return QCoreApplication::translate("WaterSetUp", "A tick needs at least one time step.");
    if (std::any_of(setUp.speed.begin(), setUp.speed.end(),
                    [](float c) { return !(c >= 0.0f) || !std::isfinite(c); }))
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
