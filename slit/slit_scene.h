// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"

#include <QPoint>
#include <QString>

namespace wave {

class Canvas;

// What the single-slit picture is drawn from: the group's sliders and the animation phase.
struct SlitParams {
    int lambda = 10; // distance between fronts, pixels
    int width = 20;  // width of the slit, pixels
    int phase = 0;   // how far every front has moved up, pixels
    Palette colours{};
};

// Where the parts of the picture lie in a view of W x H pixels.
struct SlitGeometry {
    int f;      // the barrier line
    int cx;     // the middle of the slit
    int hw;     // half the slit width; the gap is 2 hw wide
    double phi; // edge angle of the diffracted fronts from the vertical, radians
    // Points far out along the edge angle, fixing where the right and left bends end.
    QPoint rightEnd;
    QPoint leftEnd;
};

// The edge angle arcsin(lambda / width), or a right angle when lambda >= width.
double edgeAngle(int lambda, int width);

SlitGeometry slitGeometry(const SlitParams &params, int W, int H);

// The slit animation's next phase: one pixel on, back to 0 after lambda.
int nextPhase(int phase, int lambda);

// The whole picture: the ground, the barrier with its gap, the plane fronts coming up
// to it and the diffracted fronts above it, each straight across the slit and bending down
// on both sides. Leaves a solid ink pen of width 2 for the overlay drawn over it.
void drawSlit(Canvas &canvas, const SlitParams &params);

// What the slit scene shows, in words for a screen reader.
QString describeSlit(const SlitParams &params);

} // namespace wave
