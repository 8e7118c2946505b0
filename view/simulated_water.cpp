// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/simulated_water.h"

#include "simulation/water_image.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>
#include <thread>

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

// The second thread: it runs one job at a time beside the caller, and the caller waits for
// the job to end before it touches what the job does.
class SimulatedWater::Beside {
public:
    explicit Beside(std::function<void()> job) : job_(std::move(job)), thread_([this] { run(); }) {}
    ~Beside()
    {
        settle();
        state_.store(stopping, std::memory_order_relaxed);
        state_.notify_one();
        thread_.join();
    }
    Beside(const Beside &) = delete;
    Beside &operator=(const Beside &) = delete;

    // Only once the job before has settled.
    void start()
    {
        state_.store(busy, std::memory_order_release);
        state_.notify_one();
    }
    void settle()
    {
        while (state_.load(std::memory_order_acquire) == busy)
            state_.wait(busy, std::memory_order_acquire);
    }

private:
    enum State { idle, busy, stopping };

    void run()
    {
        for (;;) {
            state_.wait(idle, std::memory_order_acquire);
            if (state_.load(std::memory_order_acquire) == stopping)
                return;
            job_();
            state_.store(idle, std::memory_order_release);
            state_.notify_one();
        }
    }

    std::function<void()> job_;
    std::atomic<int> state_{idle};
    std::thread thread_;
};

SimulatedWater::SimulatedWater(int threads)
{
    if (threads > 1)
        beside_ = std::make_unique<Beside>([this] { advance(); });
}

SimulatedWater::~SimulatedWater() = default;

void SimulatedWater::settle() const
{
    if (beside_)
        beside_->settle();
}

void SimulatedWater::copyFrom(const SimulatedWater &other)
{
    settle();
    other.settle();
    solver_.copyStateFrom(other.solver_);
    on_ = other.on_;
    construction_ = other.construction_;
    applied_ = other.applied_;
    shaded_.reset();
}

void SimulatedWater::setOn(bool on)
{
    on_ = on;
    reset();
}

void SimulatedWater::reset()
{
    settle();
    solver_.reset();
    solver_.averageRows(0, 0);
    applied_.reset();
    shaded_.reset();
}

void SimulatedWater::tick()
{
    if (!on_ || !applied_)
        return;
    settle();
    if (beside_)
        beside_->start();
    else
        advance();
}

void SimulatedWater::advance()
{
    solver_.tick();
    if (shown_)
        shade(*shown_);
}

void SimulatedWater::shade(Shades shades)
{
    drawWater(shades_, solver_.displacement(), shades.crest, shades.trough, waterColourScale);
    shaded_ = shades;
}

double SimulatedWater::time() const
{
    settle();
    return solver_.time();
}

const WaveSolver &SimulatedWater::solver() const
{
    settle();
    return solver_;
}

bool SimulatedWater::follow(const WaterSetUp &setUp)
{
    settle();
    if (applied_ && sameWater(*applied_, setUp))
        return true;
    if (!solver_.apply(setUp).isEmpty())
        return false;
    // The mean is of the pattern the new settings make, and the colours are made afresh
    // with the new walls still.
    solver_.clearAverage();
    applied_ = setUp;
    shaded_.reset();
    return true;
}

void SimulatedWater::show(const Scene &scene, QImage &picture, const Palette &colours)
{
    if (on_ && follow(scene(time())))
        compose(picture, colours);
}

void SimulatedWater::compose(QImage &picture, const Palette &colours)
{
    settle();
    if (!applied_)
        return;
    shown_ = Shades{colours.crest, colours.waterTrough};
    if (shaded_ != shown_)
        shade(*shown_);
    layWater(picture, shades_, construction_ ? std::optional<QRgb>(colours.ground) : std::nullopt);
}

SimulatedWater::Row SimulatedWater::row(int y)
{
    settle();
    // The mean costs a sum at every step: it is kept along this row alone, from the first
    // time the row is asked for.
    solver_.averageRows(y, y + 1);
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
