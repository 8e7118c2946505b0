#pragma once

#include <QRgb>

#include <array>
#include <vector>

namespace wave {

// What the node path is worked out from: the two source markers and two controls.
struct NodePathParams {
    int left1 = 324; // Left of Center1, frame coordinates
    int left2 = 384; // Left of center2
    int top = 355;   // the markers' common Top
    int h = 15;      // C1space: half the wavelength both sources share
    int p = 0;       // perc: the phase shift in steps of 4 degrees, 0 to 45
};

// One hyperbola branch about a source, with the two sources as foci: its points are
// 2 c h farther from the other source than from this one.
struct NodeCurve {
    int j;    // place in the source's row of curves; odd ones are grey, even ones red
    double c; // path difference in wavelengths
    double e; // eccentricity, always above 1
    double semiLatus;
    double theta0; // the first multiple of 0.01 past the asymptote
    QRgb colour;
};

// The curves of the left source, then those of the right one.
using NodeCurves = std::array<std::vector<NodeCurve>, 2>;

NodeCurves nodePathCurves(const NodePathParams &params);

} // namespace wave
