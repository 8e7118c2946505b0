#include "interference/node_path.h"

#include "platform/canvas.h"

#include <array>
#include <cmath>

namespace wave {

namespace {

constexpr double angleStep = 0.01;

// Every curve steps through the same angles, 0.01 added to 0 again and again, so their
// cosines are worked out once.
struct Angles {
    static constexpr std::size_t count = 629; // 0 to 6.28
    std::array<double, count> theta, cos;
};

const Angles &angles()
{
    static const Angles table = [] {
        Angles a{};
        double theta = 0.0;
        for (std::size_t k = 0; k < Angles::count; ++k, theta += angleStep) {
            a.theta[k] = theta;
            a.cos[k] = std::cos(theta);
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

std::vector<NodeCurve> sourceCurves(double base, int si, double sr, int h)
{
    const auto c = [base](int j) { return j / 2.0 + base; };
    std::vector<NodeCurve> curves;
    if (!(si - c(0) * h > 0))
        return curves;
    for (int j = 0; j == 0 || si - c(j) * h >= 0; ++j) {
        const double e = c(j) != 0.0 ? sr / (c(j) * h) : 1.0;
        if (e > 1.0)
            curves.push_back({j, c(j), e, (e * e - 1.0) * c(j) * h, angles().theta[startStep(e)],
                              j % 2 == 1 ? colour::grey : colour::red});
    }
    return curves;
}

} // namespace

NodeCurves nodePathCurves(const NodePathParams &params)
{
    const int apart = params.left2 - params.left1;
    const int si = apart / 2;
    const double sr = apart / 2.0;
    // The right source's first curve, 1/90 of a wavelength at no phase shift, lies almost on
    // the centre line; the centre line itself has e = 1 and is never drawn.
    return {sourceCurves(params.p / 90.0, si, sr, params.h),
            sourceCurves((1 - params.p) / 90.0, si, sr, params.h)};
}

} // namespace wave
