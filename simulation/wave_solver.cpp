// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/wave_solver.h"

#include "simulation/leapfrog_kernel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace wave {

namespace {

// Two fixed cells of still water round everything, for the stencil's reach.
constexpr int margin = 2;
constexpr int inset = margin + WaveSolver::layerCells; // the visible grid's first cell
// What the layer lets back of a wave that crosses it and returns, at normal incidence and
// with no discretisation: the layer's damping grows with the square of the depth.
constexpr double layerEcho = 1e-4;
// The amplitude of a point source's wave is quoted this far out.
constexpr double referenceDistance = 100.0;

// A source's rise and fall: 0 before it starts, sin^2 over its first and (for a burst) last
// half period, 1 between; with its slope.
struct Envelope {
    double value = 0.0;
    double slope = 0.0;
};

Envelope envelope(double s, double period, int cycles)
{
    if (s <= 0.0)
        return {};
    const double half = period / 2.0;
    const double rate = std::numbers::pi / period;
    if (cycles > 0) {
        const double length = cycles * period;
        if (s >= length)
            return {};
        if (s > length - half)
            return {std::pow(std::sin(rate * (length - s)), 2),
                    -rate * std::sin(2.0 * rate * (length - s))};
    }
    if (s < half)
        return {std::pow(std::sin(rate * s), 2), rate * std::sin(2.0 * rate * s)};
    return {1.0, 0.0};
}

// What a source adds at phase p of its carrier: the rate of change of env sin(p) over w.
// Driving the water with a derivative leaves no lasting offset behind a plane wave (the
// water answers a row's push with its running integral) and no slow tail behind a ring.
double drive(const Envelope &e, double phase, double omega)
{
    return e.value * std::cos(phase) + e.slope / omega * std::sin(phase);
}

} // namespace

// A source as the steps drive it: F drive(env(t - start - delay x), w t + beta - kx x) is
// added to a cell each step.
struct WaveSolver::Driven {
    bool line = false;
    int x = 0; // grid cell; for a row, unused
    int y = 0;
    double force = 0.0;
    double omega = 0.0; // radians a tick
    double beta = 0.0;
    double kx = 0.0;    // radians a cell along a row
    double delay = 0.0; // ticks a cell along a row
    double start = 0.0;
    double period = 1.0;
    int cycles = 0;
};

// A tap of the stencil that a wall turned back: the cell takes weight x u[from] more.
struct WaveSolver::Correction {
    std::size_t cell = 0;
    std::size_t from = 0;
    float weight = 0.0f; // as the step adds it, with the cell's squared Courant number
    float tap = 0.0f;    // in the Laplacian itself
};

WaveSolver::WaveSolver()
{
    apply(WaterSetUp{});
}

WaveSolver::~WaveSolver() = default;

void WaveSolver::copyStateFrom(const WaveSolver &other)
{
    width_ = other.width_;
    height_ = other.height_;
    nx_ = other.nx_;
    ny_ = other.ny_;
    stepsPerTick_ = other.stepsPerTick_;
    steps_ = other.steps_;
    time_ = other.time_;
    averageFirst_ = other.averageFirst_;
    averageLast_ = other.averageLast_;
    averaged_ = other.averaged_;
    fieldA_ = other.fieldA_;
    fieldB_ = other.fieldB_;
    const bool nowInA = other.now_ == other.fieldA_.data();
    now_ = nowInA ? fieldA_.data() : fieldB_.data();
    then_ = nowInA ? fieldB_.data() : fieldA_.data();
    k12_ = other.k12_;
    psiX_ = other.psiX_;
    psiY_ = other.psiY_;
    openRight_ = other.openRight_;
    openDown_ = other.openDown_;
    sigmaX_ = other.sigmaX_;
    sigmaXFace_ = other.sigmaXFace_;
    sigmaY_ = other.sigmaY_;
    sigmaYFace_ = other.sigmaYFace_;
    columnGain_ = other.columnGain_;
    columnKeep_ = other.columnKeep_;
    rowGain_ = other.rowGain_;
    rowKeep_ = other.rowKeep_;
    columnFaceGain_ = other.columnFaceGain_;
    rowFaceGain_ = other.rowFaceGain_;
    ones_ = other.ones_;
    faceKeepX_ = other.faceKeepX_;
    faceGainX_ = other.faceGainX_;
    faceKeepY_ = other.faceKeepY_;
    faceGainY_ = other.faceGainY_;
    runs_ = other.runs_;
    rowRuns_ = other.rowRuns_;
    corrections_ = other.corrections_;
    driven_ = other.driven_;
    squares_ = other.squares_;
}

std::size_t WaveSolver::cell(int x, int y) const
{
    return std::size_t(y + inset) * std::size_t(nx_) + std::size_t(x + inset);
}

void WaveSolver::allocate(int width, int height)
{
    width_ = width;
    height_ = height;
    nx_ = width + 2 * inset;
    ny_ = height + 2 * inset;
    const std::size_t cells = std::size_t(nx_) * std::size_t(ny_);
    for (auto *field : {&fieldA_, &fieldB_, &k12_, &psiX_, &psiY_})
        field->assign(cells, 0.0f);
    // The rows asked to be averaged, as far as the new grid has them, start afresh.
    const int first = averageFirst_, last = averageLast_;
    averageFirst_ = averageLast_ = 0;
    averageRows(first, last);
    now_ = fieldA_.data();
    then_ = fieldB_.data();
    reset();
}

void WaveSolver::reset()
{
    for (auto *field : {&fieldA_, &fieldB_, &psiX_, &psiY_})
        std::fill(field->begin(), field->end(), 0.0f);
    steps_ = 0;
    time_ = 0.0;
    clearAverage();
}

QString WaveSolver::apply(const WaterSetUp &setUp)
{
    if (QString why = setUpProblem(setUp); !why.isEmpty())
        return why;
    if (setUp.width != width_ || setUp.height != height_)
        allocate(setUp.width, setUp.height);
    stepsPerTick_ = setUp.stepsPerTick;

    const std::vector<float> speeds = setUp.speedGrid();
    const std::vector<std::uint8_t> walls = setUp.wallGrid();
    for (int gy = 0; gy < ny_; ++gy) {
        const int y = std::clamp(gy - inset, 0, height_ - 1);
        for (int gx = 0; gx < nx_; ++gx) {
            const std::size_t at = std::size_t(y) * std::size_t(width_) +
                                   std::size_t(std::clamp(gx - inset, 0, width_ - 1));
            const bool edge =
                gx < margin || gy < margin || gx >= nx_ - margin || gy >= ny_ - margin;
            const double courant = speeds[at] / double(stepsPerTick_);
            const std::size_t i = std::size_t(gy) * std::size_t(nx_) + std::size_t(gx);
            k12_[i] = edge || walls[at] != 0 ? 0.0f : float(courant * courant / 12.0);
            if (k12_[i] == 0.0f)
                now_[i] = then_[i] = 0.0f;
        }
    }
    const std::size_t cells = k12_.size();
    openRight_.assign(cells, 0.0f);
    openDown_.assign(cells, 0.0f);
    for (std::size_t i = 0; i + std::size_t(nx_) < cells; ++i) {
        openRight_[i] = k12_[i] > 0.0f && k12_[i + 1] > 0.0f ? 1.0f : 0.0f;
        openDown_[i] = k12_[i] > 0.0f && k12_[i + std::size_t(nx_)] > 0.0f ? 1.0f : 0.0f;
    }
    buildLayer(courantNumber(setUp), setUp.absorbing);
    buildRuns();
    buildCorrections(walls);
    buildSources(setUp);
    return {};
}

void WaveSolver::buildLayer(double courant, bool absorbing)
{
    // Deepest damping for the wanted echo from a layer whose damping grows as depth^2.
    const int depth = layerCells - 1;
    const double peak = absorbing ? 3.0 * courant * std::log(1.0 / layerEcho) / (2.0 * depth) : 0.0;
    auto profile = [&](double d) {
        return d > 0.0 ? float(peak * (d / depth) * (d / depth)) : 0.0f;
    };
    auto fill = [&](std::vector<float> &cells, std::vector<float> &faces, int n, int length) {
        cells.assign(std::size_t(n), 0.0f);
        faces.assign(std::size_t(n), 0.0f);
        for (int g = 0; g < n; ++g) {
            // Depth into the layer: the first layer cell lies at 0, undamped.
            auto depthAt = [&](double at) {
                return std::max(inset - 1 - at, at - (inset + length));
            };
            cells[std::size_t(g)] = profile(depthAt(g));
            faces[std::size_t(g)] = profile(depthAt(g + 0.5));
        }
    };
    fill(sigmaX_, sigmaXFace_, nx_, width_);
    fill(sigmaY_, sigmaYFace_, ny_, height_);
    // psi_t = -sigma psi + ..., centred in time on the faces.
    auto rates = [](const std::vector<float> &faces, std::vector<float> &keep,
                    std::vector<float> &gain) {
        keep.resize(faces.size());
        gain.resize(faces.size());
        for (std::size_t g = 0; g < faces.size(); ++g) {
            gain[g] = 1.0f / (1.0f + 0.5f * faces[g]);
            keep[g] = (1.0f - 0.5f * faces[g]) * gain[g];
        }
    };
    rates(sigmaXFace_, faceKeepX_, faceGainX_);
    rates(sigmaYFace_, faceKeepY_, faceGainY_);
    // Where one direction's damping is zero, the step divides by one direction's alone, and
    // a face's gain is the other direction's damping less its own.
    rates(sigmaX_, columnKeep_, columnGain_);
    rates(sigmaY_, rowKeep_, rowGain_);
    auto facing = [](const std::vector<float> &faces, const std::vector<float> &gain,
                     std::vector<float> &out) {
        out.resize(faces.size());
        for (std::size_t g = 0; g < faces.size(); ++g)
            out[g] = -gain[g] * faces[g];
    };
    facing(sigmaXFace_, faceGainX_, columnFaceGain_);
    facing(sigmaYFace_, faceGainY_, rowFaceGain_);
    ones_.assign(std::max(sigmaX_.size(), sigmaY_.size()), 1.0f);
    if (!absorbing) {
        std::fill(psiX_.begin(), psiX_.end(), 0.0f);
        std::fill(psiY_.begin(), psiY_.end(), 0.0f);
    }
}

void WaveSolver::buildRuns()
{
    runs_.clear();
    rowRuns_.assign(1, 0);
    for (int y = 0; y < height_; ++y) {
        const float *k12 = k12_.data() + cell(0, y);
        for (int x = 0; x < width_;) {
            int to = x + 1;
            while (to < width_ && k12[to] == k12[x])
                ++to;
            if (k12[x] > 0.0f)
                runs_.push_back({x, to, k12[x]});
            x = to;
        }
        rowRuns_.push_back(int(runs_.size()));
    }
}

void WaveSolver::buildCorrections(const std::vector<std::uint8_t> &walls)
{
    corrections_.clear();
    auto inEdge = [&](int gx, int gy) {
        return gx < margin || gy < margin || gx >= nx_ - margin || gy >= ny_ - margin;
    };
    auto isWall = [&](int gx, int gy) {
        return !inEdge(gx, gy) &&
               walls[std::size_t(std::clamp(gy - inset, 0, height_ - 1)) * std::size_t(width_) +
                     std::size_t(std::clamp(gx - inset, 0, width_ - 1))] != 0;
    };
    auto index = [&](int gx, int gy) {
        return std::size_t(gy) * std::size_t(nx_) + std::size_t(gx);
    };
    constexpr int directions[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int gy = margin; gy < ny_ - margin; ++gy) {
        for (int gx = margin; gx < nx_ - margin; ++gx) {
            const std::size_t i = index(gx, gy);
            if (k12_[i] == 0.0f)
                continue;
            const float divisor =
                1.0f + 0.5f * (sigmaX_[std::size_t(gx)] + sigmaY_[std::size_t(gy)]);
            for (const auto &d : directions) {
                if (!isWall(gx + d[0], gy + d[1]) && !isWall(gx + 2 * d[0], gy + 2 * d[1]))
                    continue;
                for (int reach = 1; reach <= 2; ++reach) {
                    // A wall mirrors the water at its face: walking into it turns back.
                    int px = gx, py = gy, dx = d[0], dy = d[1];
                    for (int s = 0; s < reach; ++s) {
                        if (isWall(px + dx, py + dy)) {
                            dx = -dx;
                            dy = -dy;
                        } else {
                            px += dx;
                            py += dy;
                        }
                    }
                    const int rawX = gx + reach * d[0], rawY = gy + reach * d[1];
                    if (px == rawX && py == rawY)
                        continue;
                    const float tap = reach == 1 ? 16.0f / 12.0f : -1.0f / 12.0f;
                    const float scale = 12.0f * k12_[i] / divisor;
                    if (!isWall(rawX, rawY) && !inEdge(rawX, rawY))
                        corrections_.push_back({i, index(rawX, rawY), -tap * scale, -tap});
                    if (!inEdge(px, py))
                        corrections_.push_back({i, index(px, py), tap * scale, tap});
                }
            }
        }
    }
}

void WaveSolver::buildSources(const WaterSetUp &setUp)
{
    driven_.clear();
    const double steps = stepsPerTick_;
    for (const PointSource &s : setUp.points) {
        const double speed = setUp.speedAt(s.x, s.y);
        const double courant = speed / steps;
        const double k = 2.0 * std::numbers::pi / s.wavelength;
        Driven d;
        d.x = s.x + inset;
        d.y = s.y + inset;
        d.force = 4.0 * courant * courant * s.amplitude *
                  std::sqrt(std::numbers::pi * k * referenceDistance / 2.0);
        d.omega = k * speed;
        d.beta = s.phase + std::numbers::pi / 4.0; // the far field lags its source by pi/4
        d.start = s.start;
        d.period = s.wavelength / speed;
        d.cycles = s.cycles;
        driven_.push_back(d);
    }
    for (const LineSource &s : setUp.lines) {
        float speed = 0.0f;
        for (int x = 0; x < setUp.width && speed == 0.0f; ++x)
            if (!setUp.wallAt(x, s.row))
                speed = setUp.speedAt(x, s.row);
        if (speed == 0.0f)
            continue;
        const double courant = speed / steps;
        const double k = 2.0 * std::numbers::pi / s.wavelength;
        Driven d;
        d.line = true;
        d.y = s.row + inset;
        d.force = 2.0 * courant * courant * s.amplitude * k * std::cos(s.angle);
        d.omega = k * speed;
        d.beta = s.phase + std::numbers::pi / 2.0; // a row's wave lags it by pi/2
        d.kx = k * std::sin(s.angle);
        d.delay = std::sin(s.angle) / speed;
        d.start = s.start;
        d.period = s.wavelength / speed;
        d.cycles = s.cycles;
        driven_.push_back(d);
    }
}

double WaveSolver::time() const
{
    return time_;
}

void WaveSolver::step()
{
    const int first = margin;
    const int last = ny_ - margin;
    const Fields fields{now_, then_, time_};
    advanceRows(fields, first, last);
    finishRows(fields, first, last);
    std::swap(now_, then_);
    ++steps_;
    time_ += 1.0 / stepsPerTick_;
    if (averageLast_ > averageFirst_)
        ++averaged_;
}

void WaveSolver::stepTwice()
{
    // The second step follows the first a few rows behind, while the rows both touch are
    // still in the cache, so that the fields come from memory once for two steps. A row of
    // the second step reads the first's water two rows either side and its faces there, and
    // overwrites the water of two steps ago, which the first no longer reads by then; a
    // row's faces wait for the row below.
    const int first = margin;
    const int last = ny_ - margin;
    const std::array<Fields, 2> steps{Fields{now_, then_, time_},
                                      Fields{then_, now_, time_ + 1.0 / stepsPerTick_}};
    std::array<int, 2> advanced{first, first};
    std::array<int, 2> finished{first, first};
    while (advanced[0] < last) {
        const int to = std::min(advanced[0] + pairRows, last);
        // At the last block both steps go to the end.
        const bool end = to == last;
        const std::array<int, 2> ends{to, end ? last : to - 2};
        const std::array<int, 2> faced{end ? last : to - 1, end ? last : to - 3};
        for (std::size_t k = 0; k < 2; ++k) {
            advanceRows(steps[k], advanced[k], ends[k]);
            finishRows(steps[k], finished[k], faced[k]);
            advanced[k] = ends[k];
            finished[k] = faced[k];
        }
    }
    steps_ += 2;
    time_ += 2.0 / stepsPerTick_;
    if (averageLast_ > averageFirst_)
        averaged_ += 2;
}

void WaveSolver::tick()
{
    int left = stepsPerTick_;
    for (; left >= 2; left -= 2)
        stepTwice();
    for (; left > 0; --left)
        step();
}

template <typename Run, typename Across>
void WaveSolver::layerBlocks(int y0, int y1, Run run, Across across) const
{
    const int over = std::min(y1, inset);
    const int under = std::max(y0, inset + height_);
    for (const auto &[from, to] : {std::pair{y0, over}, std::pair{under, y1}}) {
        if (from >= to)
            continue;
        run(margin, inset, from, to, Damping::both);
        run(inset, inset + width_, from, to, Damping::rows);
        run(inset + width_, nx_ - margin, from, to, Damping::both);
    }
    for (int y = std::max(y0, inset); y < std::min(y1, inset + height_); ++y)
        across(y);
}

void WaveSolver::layerBlock(const Fields &f, int x0, int x1, int y0, int y1, Damping damping)
{
    const std::size_t i = std::size_t(y0) * std::size_t(nx_) + std::size_t(x0);
    if (damping == Damping::both) {
        for (int y = y0; y < y1; ++y) {
            const std::size_t r = i + std::size_t(y - y0) * std::size_t(nx_);
            const LayerRow row{
                f.now + r,        f.then + r,          k12_.data() + r,        psiX_.data() + r,
                psiY_.data() + r, sigmaX_.data() + x0, sigmaY_[std::size_t(y)]};
            layerSegment(row, nx_, x1 - x0);
        }
        return;
    }
    const OneWayRow row{f.now + i,           f.then + i,       k12_.data() + i,
                        psiX_.data() + i,    psiY_.data() + i, rowGain_.data() + y0,
                        rowKeep_.data() + y0};
    oneWayLayerRows(row, nx_, x1 - x0, y1 - y0);
}

void WaveSolver::advanceRows(const Fields &f, int y0, int y1)
{
    layerBlocks(
        y0, y1,
        [this, &f](int x0, int x1, int ya, int yb, Damping d) { layerBlock(f, x0, x1, ya, yb, d); },
        [this, &f](int y) {
            const std::size_t i = std::size_t(y) * std::size_t(nx_) + margin;
            const OneWayRow row{f.now + i,
                                f.then + i,
                                k12_.data() + i,
                                psiX_.data() + i,
                                psiY_.data() + i,
                                columnGain_.data() + margin,
                                columnKeep_.data() + margin};
            const auto runs = rowRuns_.begin() + (y - inset);
            layerRowAcross(row, nx_, width_, runs_.data() + runs[0], runs[1] - runs[0]);
        });
    const std::size_t begin = std::size_t(y0) * std::size_t(nx_);
    const std::size_t end = std::size_t(y1) * std::size_t(nx_);
    auto first = std::lower_bound(corrections_.begin(), corrections_.end(), begin,
                                  [](const Correction &c, std::size_t i) { return c.cell < i; });
    for (auto c = first; c != corrections_.end() && c->cell < end; ++c)
        f.then[c->cell] += c->weight * f.now[c->from];
    driveRows(f, y0, y1);
}

void WaveSolver::driveRows(const Fields &f, int y0, int y1)
{
    for (const Driven &d : driven_) {
        if (d.y < y0 || d.y >= y1)
            continue;
        const std::size_t row = std::size_t(d.y) * std::size_t(nx_);
        if (!d.line) {
            const double g = drive(envelope(f.time - d.start, d.period, d.cycles),
                                   d.omega * f.time + d.beta, d.omega);
            f.then[row + std::size_t(d.x)] += float(d.force * g);
            continue;
        }
        for (int gx = margin; gx < nx_ - margin; ++gx) {
            const std::size_t i = row + std::size_t(gx);
            if (k12_[i] == 0.0f)
                continue;
            const double x = gx - inset;
            const double g = drive(envelope(f.time - d.start - d.delay * x, d.period, d.cycles),
                                   d.omega * f.time + d.beta - d.kx * x, d.omega);
            const double divisor =
                1.0 + 0.5 * (sigmaX_[std::size_t(gx)] + sigmaY_[std::size_t(d.y)]);
            f.then[i] += float(d.force * g / divisor);
        }
    }
}

void WaveSolver::faceBlock(const Fields &f, int x0, int x1, int y0, int y1, Damping damping)
{
    const std::size_t i = std::size_t(y0) * std::size_t(nx_) + std::size_t(x0);
    if (damping == Damping::both) {
        for (int y = y0; y < y1; ++y) {
            const std::size_t r = i + std::size_t(y - y0) * std::size_t(nx_);
            const auto at = std::size_t(y);
            const FaceRow row{f.then + r,
                              openRight_.data() + r,
                              openDown_.data() + r,
                              psiX_.data() + r,
                              psiY_.data() + r,
                              faceKeepX_.data() + x0,
                              faceGainX_.data() + x0,
                              sigmaXFace_.data() + x0,
                              sigmaX_.data() + x0,
                              faceKeepY_[at],
                              faceGainY_[at],
                              sigmaYFace_[at],
                              sigmaY_[at]};
            faceSegment(row, nx_, x1 - x0);
        }
        return;
    }
    // Over and under the grid the right faces keep what they hold; beside it the lower ones.
    const OneWayFaces row{f.then + i,          openRight_.data() + i,  openDown_.data() + i,
                          psiX_.data() + i,    psiY_.data() + i,       ones_.data(),
                          sigmaY_.data() + y0, faceKeepY_.data() + y0, rowFaceGain_.data() + y0};
    oneWayFacesRows(row, nx_, x1 - x0, y1 - y0);
}

void WaveSolver::finishRows(const Fields &f, int y0, int y1)
{
    layerBlocks(
        y0, y1,
        [this, &f](int x0, int x1, int ya, int yb, Damping d) { faceBlock(f, x0, x1, ya, yb, d); },
        [this, &f](int y) {
            const std::size_t i = std::size_t(y) * std::size_t(nx_) + margin;
            const OneWayFaces row{f.then + i,
                                  openRight_.data() + i,
                                  openDown_.data() + i,
                                  psiX_.data() + i,
                                  psiY_.data() + i,
                                  faceKeepX_.data() + margin,
                                  columnFaceGain_.data() + margin,
                                  ones_.data() + margin,
                                  sigmaX_.data() + margin};
            facesRowAcross(row, nx_, width_);
            const int visible = y - inset;
            if (visible < averageFirst_ || visible >= averageLast_)
                return;
            const float *next = f.then + std::size_t(y) * std::size_t(nx_) + inset;
            float *sums =
                squares_.data() + std::size_t(visible - averageFirst_) * std::size_t(width_);
            for (int x = 0; x < width_; ++x)
                sums[x] += next[x] * next[x];
        });
}

FieldView WaveSolver::displacement() const
{
    return {now_ + cell(0, 0), width_, height_, nx_};
}

void WaveSolver::averageRows(int first, int last)
{
    first = std::clamp(first, 0, height_);
    last = std::clamp(last, first, height_);
    if (first == averageFirst_ && last == averageLast_)
        return;
    averageFirst_ = first;
    averageLast_ = last;
    squares_.assign(std::size_t(last - first) * std::size_t(width_), 0.0f);
    averaged_ = 0;
}

void WaveSolver::clearAverage()
{
    std::fill(squares_.begin(), squares_.end(), 0.0f);
    averaged_ = 0;
}

double WaveSolver::intensityAt(int x, int y) const
{
    if (averaged_ == 0 || y < averageFirst_ || y >= averageLast_)
        return 0.0;
    const std::size_t row = std::size_t(y - averageFirst_);
    return squares_[row * std::size_t(width_) + std::size_t(x)] / double(averaged_);
}

namespace {

template <typename Value>
std::vector<double> sampleAlong(QPointF from, QPointF to, int samples, int width, int height,
                                Value value)
{
    std::vector<double> out;
    out.reserve(std::size_t(std::max(samples, 0)));
    for (int n = 0; n < samples; ++n) {
        const double f = samples > 1 ? double(n) / (samples - 1) : 0.0;
        const double x = std::clamp(from.x() + f * (to.x() - from.x()), 0.0, width - 1.0);
        const double y = std::clamp(from.y() + f * (to.y() - from.y()), 0.0, height - 1.0);
        const int x0 = std::min(int(x), std::max(width - 2, 0));
        const int y0 = std::min(int(y), std::max(height - 2, 0));
        const int x1 = std::min(x0 + 1, width - 1);
        const int y1 = std::min(y0 + 1, height - 1);
        const double fx = x - x0, fy = y - y0;
        out.push_back((1 - fy) * ((1 - fx) * value(x0, y0) + fx * value(x1, y0)) +
                      fy * ((1 - fx) * value(x0, y1) + fx * value(x1, y1)));
    }
    return out;
}

} // namespace

std::vector<double> WaveSolver::intensityAlong(QPointF from, QPointF to, int samples) const
{
    return sampleAlong(from, to, samples, width_, height_,
                       [this](int x, int y) { return intensityAt(x, y); });
}

std::vector<double> WaveSolver::displacementAlong(QPointF from, QPointF to, int samples) const
{
    const FieldView field = displacement();
    return sampleAlong(from, to, samples, width_, height_,
                       [&field](int x, int y) { return double(field.at(x, y)); });
}

double WaveSolver::energy() const
{
    double kinetic = 0.0;
    double potential = 0.0;
    const std::size_t nx = std::size_t(nx_);
    for (int y = margin; y < ny_ - margin; ++y) {
        for (int x = margin; x < nx_ - margin; ++x) {
            const std::size_t i = std::size_t(y) * nx + std::size_t(x);
            if (k12_[i] == 0.0f)
                continue;
            const double change = double(now_[i]) - then_[i];
            kinetic += change * change / (12.0 * k12_[i]);
            potential -= double(now_[i]) * fourthOrderLaplacian(then_ + i, nx_);
        }
    }
    for (const Correction &c : corrections_)
        potential -= double(now_[c.cell]) * c.tap * then_[c.from];
    return 0.5 * (kinetic + potential);
}

} // namespace wave
