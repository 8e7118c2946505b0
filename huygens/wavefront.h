// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"

#include <QPoint>
#include <QString>

#include <vector>

namespace wave {

class Canvas;

// What the wavefront page is drawn from: the values of the "Wavefront Interactions" page.
struct WavefrontParams {
    int c1 = 15;            // speed of the incoming wave
    int lambda = 50;        // distance between incoming fronts
    int F = 1;              // number of incoming fronts
    int angle = 450;        // angle of incidence in tenths of a degree
    int c2 = 10;            // speed beyond the boundary
    int tau = 0;            // time position of the fronts
    int ps = 10;            // spacing of the boundary points
    bool refraction = true; // otherwise the boundary reflects only
    bool rays = false;
    Palette colours{};
};

// The time the wavefront animation's tick leaves: three on, and back to 0 where that reaches
// or passes `last`, the time bar's end.
int nextFrontTime(int tau, int last);

// The boundary line and the point where the first front first meets it.
int boundaryLine(const WavefrontParams &params);
int firstContact();

// Refraction angle in radians by Snell's law written with speeds; grazing when s >= 1.
double refractionAngle(const WavefrontParams &params);

// A wavelet of the boundary point at x: its reflected radius r and refracted radius r2.
struct Wavelet {
    int x;
    int r;
    int r2;
};
// The drawn part of incoming front k (start, end); empty when it has crossed entirely.
struct FrontLine {
    bool drawn;
    QPoint from;
    QPoint to;
};
FrontLine frontLine(const WavefrontParams &params, int k);
std::vector<Wavelet> wavelets(const WavefrontParams &params, int k);

// White ground, the rays when asked for, the boundary points, then each incoming front and
// the wavelets of the boundary points it has passed. Leaves a solid brush.
void drawWavefronts(Canvas &canvas, const WavefrontParams &params);

// What the wavefront scene shows, in words for a screen reader.
QString describeWavefronts(const WavefrontParams &params);

} // namespace wave
