// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/node_path.h"

#include "platform/canvas.h"
#include "view/shared_state.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace wave {

namespace {

constexpr double angleStep = 0.01;

// Right beside an asymptote rho has no bound. A point this far out lies off any page;
// pulling it in along its own ray keeps its coordinates within an int and moves the line
// towards it by far less than a pixel.
constexpr double farReach = 1e9;

// Every curve steps through the same angles, 0.01 added to 0 again and again, so their
// cosines and sines are worked out once. A whole branch ends before a full turn.
struct Angles {
    static constexpr std::size_t count = 629; // 0 to 6.28
    std::array<double, count> theta, cos, sin;
};

const Angles &angles()
{
    static const Angles table = [] {
        Angles a{};
        double theta = 0.0;
        for (std::size_t k = 0; k < Angles::count; ++k, theta += angleStep) {
            a.theta[k] = theta;
            a.cos[k] = std::cos(theta);
            a.sin[k] = std::sin(theta);
        }
        return a;
    }();
    return table;
}

// Only for e > 1, which is past its asymptote before a quarter turn.
std::size_t startStep(double e)
{
    const Angles &a = angles();
    std::size_t k = 0;
    while (!(1.0 - e * a.cos[k] > 0.0))
        ++k;
    return k;
}

std::vector<NodeCurve> sourceCurves(double base, int si, double sr, int h, const Palette &colours)
{
    const auto c = [base](int j) { return j / 2.0 + base; };
    std::vector<NodeCurve> curves;
    if (!(si - c(0) * h > 0))
        return curves;
    for (int j = 0; j == 0 || si - c(j) * h >= 0; ++j) {
        const double e = c(j) != 0.0 ? sr / (c(j) * h) : 1.0;
        if (e > 1.0)
            curves.push_back({j, c(j), e, (e * e - 1.0) * c(j) * h, angles().theta[startStep(e)],
                              j % 2 == 1 ? colours.grey : colours.mark});
    }
    return curves;
}

void drawCurve(Canvas &canvas, const NodeCurve &curve, QPoint origin, double sigma,
               const NodePathPlacement &placement)
{
    const Angles &a = angles();
    const double scale = placement.scale;
    const auto goesOn = [&](std::size_t k) {
        return placement.wholeBranch ? 1.0 - curve.e * a.cos[k] > 0.0
                                     : a.theta[k] <= std::numbers::pi;
    };
    canvas.pen().colour = curve.colour;
    const auto first = static_cast<std::size_t>(std::lround(curve.theta0 / angleStep));
    for (std::size_t k = first; k < Angles::count && goesOn(k); ++k) {
        const double rho = std::min(curve.semiLatus / (1.0 - curve.e * a.cos[k]), farReach / scale);
        const int x = origin.x() + static_cast<int>(a.cos[k] * sigma * scale * rho);
        const int y = origin.y() - static_cast<int>(a.sin[k] * scale * rho);
        if (k == first)
            canvas.moveTo(x, y);
        else
            canvas.lineTo(x, y);
    }
}

} // namespace

NodeCurves nodePathCurves(const NodePathParams &params)
{
    const int apart = params.left2 - params.left1;
    const int si = apart / 2;
    const double sr = apart / 2.0;
    // The right source's first curve, 1/90 of a wavelength at no phase shift, lies almost on
    // the centre line; the centre line itself has e = 1 and is never drawn.
    return {sourceCurves(params.p / 90.0, si, sr, params.h, params.colours),
            sourceCurves((1 - params.p) / 90.0, si, sr, params.h, params.colours)};
}

NodePathPlacement screenPlacement(const NodePathParams &params)
{
    // the ring centres of the two sources
    const int y = params.top - viewOffset + 3;
    return {{QPoint(params.left1 - viewOffset + 2, y), QPoint(params.left2 - viewOffset + 2, y)},
            1.0,
            false,
            params.colours.mark};
}

void drawNodePath(Canvas &canvas, const NodeCurves &curves, const NodePathPlacement &placement)
{
    // Set here rather than taken over from the rings: the outermost ring leaves a dotted pen
    // whenever it is a trough.
    canvas.pen() = Pen{placement.pen, 1, PenStyle::Solid};
    canvas.brush().style = BrushStyle::Solid;
    for (const NodeCurve &curve : curves[0])
        drawCurve(canvas, curve, placement.origins[0], -1.0, placement);
    for (const NodeCurve &curve : curves[1])
        drawCurve(canvas, curve, placement.origins[1], 1.0, placement);
}

void drawNodePath(Canvas &canvas, const NodePathParams &params)
{
    drawNodePath(canvas, nodePathCurves(params), screenPlacement(params));
}

void drawNodePathOnPage(Canvas &canvas, const NodePathParams &params, std::array<QPoint, 2> sources,
                        double scale)
{
    drawNodePath(canvas, nodePathCurves(params), {sources, scale, true, params.colours.mark});
}

} // namespace wave
