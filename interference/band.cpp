// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/band.h"

#include "platform/canvas.h"
#include "platform/vector_state.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace wave {

namespace {

constexpr double twoPi = 6.283185307179586;
constexpr int blockSize = 4;

// A source's phase dx and dy away from it: the distance less the offset, plus a quarter wave,
// in wavelengths. Its wave there is sin(2 pi phase).
double phase(const BandSource &source, int dx, int dy)
{
    const double d = std::sqrt(std::abs(double(dx) * dx + double(dy) * dy)) - source.T;
    return (0.5 * source.P + d) / (2.0 * source.P);
}

// The displacement along a row of columns 0, step, 2 step, ..., one row at a time, computing
// each wave once a row: a source's wave depends on the column only through its distance, and
// sources of one half-wavelength and offset share their waves. All phases of a row are found
// before the sines, which keeps the slow divisions and square roots out of the sines' way.
// The sum runs as in displacement(), so the values are the same to the last bit.
class RowDisplacement {
public:
    RowDisplacement(const BandParams &params, int step, int count)
        : params_(params), count_(std::size_t(count)), slots_(std::size_t(params.n) * count_)
    {
        int reach = 0;
        for (int k = 0; k < params.n; ++k) {
            const int x = params.sources[std::size_t(k)].x;
            reach = std::max({reach, std::abs(x), std::abs(x - step * (count - 1))});
        }
        std::vector<int> slotOf; // by distance, for the table being built
        const auto begin = params.sources.begin();
        for (int k = 0; k < params.n; ++k) {
            const BandSource &source = params.sources[std::size_t(k)];
            const auto alike = [&](const BandSource &other) {
                return other.P == source.P && other.T == source.T;
            };
            if (std::any_of(begin, begin + k, alike)) {
                continue; // its waves are in an earlier source's table
            }
            Table table{std::size_t(k), distances_.size(), 0};
            slotOf.assign(std::size_t(reach) + 1, -1);
            for (int j = k; j < params.n; ++j) {
                const BandSource &other = params.sources[std::size_t(j)];
                if (!alike(other)) {
                    continue;
                }
                for (std::size_t c = 0; c < count_; ++c) {
                    const int distance = std::abs(other.x - step * int(c));
                    int &slot = slotOf[std::size_t(distance)];
                    if (slot < 0) {
                        slot = int(distances_.size());
                        distances_.push_back(distance);
                    }
                    slots_[std::size_t(j) * count_ + c] = std::size_t(slot);
                }
            }
            table.end = distances_.size();
            tables_.push_back(table);
        }
        waves_.resize(distances_.size());
    }

    void setRow(int dy)
    {
        for (const Table &table : tables_) {
            const BandSource &source = params_.sources[table.source];
            for (std::size_t s = table.begin; s < table.end; ++s) {
                waves_[s] = phase(source, distances_[s], dy);
            }
        }
        for (double &wave : waves_) {
            wave = std::sin(twoPi * wave);
        }
    }

    // The displacement at column c of the row: at x = c step.
    double at(std::size_t c) const
    {
        double sum = 0.0;
        for (std::size_t k = 0; k < std::size_t(params_.n); ++k) {
            sum += params_.sources[k].amplitude * waves_[slots_[k * count_ + c]];
        }
        return sum / params_.n;
    }

private:
    // The waves of the sources alike to `source` lie in slots begin to end.
    struct Table {
        std::size_t source, begin, end;
    };

    const BandParams &params_;
    std::size_t count_;
    std::vector<std::size_t> slots_; // where source k finds its wave at column c: k count + c
    std::vector<Table> tables_;
    std::vector<int> distances_; // by slot
    std::vector<double> waves_;  // by slot: the phases, then their sines
};

// The water's value at column x, within -1..1; 0 past the values there are.
double waterValue(const std::vector<double> &values, int x)
{
    return std::size_t(x) < values.size() ? std::clamp(values[std::size_t(x)], -1.0, 1.0) : 0.0;
}

} // namespace

std::array<BandSource, 3> bandSources(const FieldParams &field,
                                      const std::array<int, 3> &amplitudeBars)
{
    const std::array<int, 3> lefts = markerLefts(field.n, field.S);
    std::array<BandSource, 3> sources;
    for (std::size_t k = 0; k < sources.size(); ++k) {
        sources[k] = {lefts[k] - viewOffset + 3, amplitudeBars[k] / 10.0, field.P[k], field.T[k]};
    }
    return sources;
}

double displacement(const BandParams &params, int x, int dy)
{
    double sum = 0.0;
    for (int k = 0; k < params.n; ++k) {
        const BandSource &source = params.sources[std::size_t(k)];
        sum += source.amplitude * std::sin(twoPi * phase(source, source.x - x, dy));
    }
    return sum / params.n;
}

int bandLevel(double v)
{
    return int(std::abs(v * 255.0)); // cut toward zero, not rounded
}

QRgb bandColour(double v, bool blackAndWhite, QRgb band)
{
    const int level = bandLevel(v);
    if (blackAndWhite)
        return rgb(level, level, level);
    return rgb(qRed(band) * level / 255, qGreen(band) * level / 255, qBlue(band) * level / 255);
}

void drawDetailMap(Canvas &map, const BandParams &params)
{
    releaseVectorRegisters();
    const int nx = params.highDetail ? viewWidth / blockSize : 0;
    const int ny = mapHeight / blockSize;
    RowDisplacement row(params, blockSize, nx + 1);
    for (int j = 0; j <= ny; ++j) {
        row.setRow(params.markerTop - blockSize * j - params.mapTop);
        for (int i = 0; i <= nx; ++i) {
            const QRgb colour =
                bandColour(row.at(std::size_t(i)), params.blackAndWhite, params.colours.band);
            map.pen() = Pen{colour, blockSize, PenStyle::Solid};
            map.moveTo(blockSize * i, blockSize * j);
            map.lineTo(blockSize * i + blockSize, blockSize * j + blockSize);
        }
    }
}

void drawBand(Canvas &view, const BandParams &params, std::array<double, 800> &bandsum,
              double &bandpeak)
{
    releaseVectorRegisters();
    const int yb = params.bandTop;
    RowDisplacement row(params, 1, viewWidth + 1);
    row.setRow(params.markerTop - bandLineTop(yb));
    const bool both = params.instantaneous && params.average;

    blankBehindBand(view, yb);

    const bool water = params.simulated && !params.waterU.empty();
    bandpeak = 0.0;
    for (int x = 0; x <= viewWidth; ++x) {
        const double u = water ? waterValue(params.waterU, x) : row.at(std::size_t(x));
        double &sum = bandsum[std::size_t(x)];
        sum += std::abs(u);
        bandpeak = std::max(bandpeak, sum);
        view.pen() =
            Pen{bandColour(u, params.blackAndWhite, params.colours.band), 1, PenStyle::Solid};
        if (params.instantaneous) {
            view.moveTo(x, both ? yb + bandStripRows / 2 : yb);
            view.lineTo(x, yb + bandStripRows);
        }
    }

    if (!params.average) {
        return;
    }
    for (int x = 1; x <= viewWidth; ++x) {
        const double sum = bandsum[std::size_t(x)];
        const double v = water            ? waterValue(params.waterIntensity, x)
                         : bandpeak > 0.0 ? sum / bandpeak
                                          : 0.0;
        view.pen().colour = bandColour(v, params.blackAndWhite, params.colours.band);
        view.moveTo(x, yb);
        view.lineTo(x, both ? yb + bandStripRows / 2 : yb + bandStripRows);
    }
}

void blankBehindBand(Canvas &view, int yb)
{
    view.pen() = Pen{colour::black, 1, PenStyle::Solid};
    view.brush() = Brush{colour::black, BrushStyle::Solid};
    view.rectangle(0, 0, viewWidth, yb + bandStripRows);
}

std::vector<BandColumn> bandProfile(const BandParams &params,
                                    const std::array<double, 800> &bandsum)
{
    const double bandpeak = *std::max_element(bandsum.begin(), bandsum.begin() + viewWidth + 1);
    releaseVectorRegisters();
    RowDisplacement row(params, 1, viewWidth);
    row.setRow(params.markerTop - bandLineTop(params.bandTop));
    std::vector<BandColumn> columns;
    columns.reserve(viewWidth);
    for (int x = 0; x < viewWidth; ++x) {
        const double u = row.at(std::size_t(x));
        const double average = bandpeak > 0.0 ? bandsum[std::size_t(x)] / bandpeak : 0.0;
        // the average strip starts at column 1: column 0 stays as black as the blank
        columns.push_back({x, u, average, bandLevel(u), x > 0 ? bandLevel(average) : 0,
                           waterValue(params.waterIntensity, x)});
    }
    return columns;
}

} // namespace wave
