// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"

#include <QPoint>
#include <QRgb>

#include <array>
#include <vector>

namespace wave {

class Canvas;

// What the node path is worked out from: the two source markers and two controls.
struct NodePathParams {
    int left1 = 324; // Left of Center1, frame coordinates
    int left2 = 384; // Left of center2
    int top = 355;   // the markers' common Top
    int h = 15;      // C1space: half the wavelength both sources share
    int p = 0;       // perc: the phase shift in steps of 4 degrees, 0 to 45
    Palette colours{};
};

// One hyperbola branch about a source, with the two sources as foci: its points are
// 2 c h farther from the other source than from this one.
struct NodeCurve {
    int j;    // place in the source's row of curves; odd ones grey, even ones in the mark colour
    double c; // path difference in wavelengths
    double e; // eccentricity, always above 1
    double semiLatus;
    double theta0; // the first of the angles 0, 0.01, 0.02, ... past the asymptote
    QRgb colour;
};

// The curves of the left source, then those of the right one.
using NodeCurves = std::array<std::vector<NodeCurve>, 2>;

NodeCurves nodePathCurves(const NodePathParams &params);

// Where the curves go: the wave view draws them at scale 1 from the ring centres and stops
// at the source row; a page scales them and draws each whole branch, both halves.
struct NodePathPlacement {
    std::array<QPoint, 2> origins; // left and right source
    double scale = 1.0;
    bool wholeBranch = false;
    QRgb pen = colour::red; // the pen the drawing starts with
};

NodePathPlacement screenPlacement(const NodePathParams &params);

// Draws the curves with a solid 1-pixel pen in each curve's colour, and leaves the brush
// solid for the band drawn over them.
void drawNodePath(Canvas &canvas, const NodeCurves &curves, const NodePathPlacement &placement);

// The wave view's node path.
void drawNodePath(Canvas &canvas, const NodePathParams &params);

// The node path across a page: each whole branch, from the page's sources at its scale.
void drawNodePathOnPage(Canvas &canvas, const NodePathParams &params, std::array<QPoint, 2> sources,
                        double scale);

} // namespace wave
