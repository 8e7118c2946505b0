#include "interference/band.h"

#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

namespace wave {

namespace {

constexpr double twoPi = 6.283185307179586;
constexpr int blockSize = 4;

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
        const BandSource &source = params.sources[static_cast<std::size_t>(k)];
        const double dx = double(source.x) - x;
        const double d = std::sqrt(std::abs(dx * dx + double(dy) * dy)) - source.T;
        const double phase = (0.5 * source.P + d) / (2.0 * source.P);
        sum += source.amplitude * std::sin(twoPi * phase);
    }
    return sum / params.n;
}

QRgb bandColour(double v, bool blackAndWhite)
{
    const int level = static_cast<int>(std::trunc(std::abs(v * 255.0)));
    return blackAndWhite ? rgb(level, level, level) : rgb(level, 0, 0);
}

void drawDetailMap(Canvas &map, const BandParams &params)
{
    const int nx = params.highDetail ? viewWidth / blockSize : 0;
    const int ny = mapHeight / blockSize;
    for (int j = 0; j <= ny; ++j) {
        const int dy = params.markerTop - blockSize * j - params.mapTop;
        for (int i = 0; i <= nx; ++i) {
            const QRgb colour =
                bandColour(displacement(params, blockSize * i, dy), params.blackAndWhite);
            map.pen() = Pen{colour, blockSize, PenStyle::Solid};
            map.moveTo(blockSize * i, blockSize * j);
            map.lineTo(blockSize * i + blockSize, blockSize * j + blockSize);
        }
    }
}

void drawBand(Canvas &view, const BandParams &params, std::array<double, 800> &bandsum,
              double &bandpeak)
{
    const int yb = params.bandTop;
    const int dy = params.markerTop - bandLineTop(yb);
    const bool both = params.instantaneous && params.average;

    // Everything behind the screen line goes black, outline included.
    view.pen() = Pen{colour::black, 1, PenStyle::Solid};
    view.brush() = Brush{colour::black, BrushStyle::Solid};
    view.rectangle(0, 0, viewWidth, yb + bandStripRows);

    bandpeak = 0.0;
    for (int x = 0; x <= viewWidth; ++x) {
        const double u = displacement(params, x, dy);
        double &sum = bandsum[static_cast<std::size_t>(x)];
        sum += std::abs(u);
        bandpeak = std::max(bandpeak, sum);
        view.pen() = Pen{bandColour(u, params.blackAndWhite), 1, PenStyle::Solid};
        if (params.instantaneous) {
            view.moveTo(x, both ? yb + bandStripRows / 2 : yb);
            view.lineTo(x, yb + bandStripRows);
        }
    }

    if (!params.average) {
        return;
    }
    for (int x = 1; x <= viewWidth; ++x) {
        const double sum = bandsum[static_cast<std::size_t>(x)];
        const double v = bandpeak > 0.0 ? sum / bandpeak : 0.0;
        view.pen().colour = bandColour(v, params.blackAndWhite);
        view.moveTo(x, yb);
        view.lineTo(x, both ? yb + bandStripRows / 2 : yb + bandStripRows);
    }
}

} // namespace wave
