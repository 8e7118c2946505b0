// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"

#include <QPoint>

namespace wave {

class Canvas;

// Points at radius r and angle phi about a centre, each product truncated on its own;
// angles grow clockwise on the screen because y points down.
QPoint ahead(QPoint centre, double r, double phi);  // centre + (r cos phi, r sin phi)
QPoint behind(QPoint centre, double r, double phi); // centre - (r cos phi, r sin phi)

// A line from `from` to `to`, its end pixel left out; the drawing position ends at `to`.
void segment(Canvas &canvas, QPoint from, QPoint to);

// The grey half ring of a protractor about `centre`: the centre tick across the base
// direction `base`, the arcs of radius 100 and 30 counter-clockwise from the ray toward
// `from` to the ray toward `to`, and 13 spokes every 15 degrees clockwise from `base`. The
// caller picks the pen and draws the base line.
void halfRing(Canvas &canvas, QPoint centre, double base, QPoint from, QPoint to);

// What the protractor over a wave view is drawn from: its centre A, the point B its ray
// aims at, and whether the base line stands vertical (the slit's angle measurement) or lies
// horizontal (the wavefront's).
struct ProtractorParams {
    QPoint A;
    QPoint B;
    bool vertical = false;
    Palette colours{};
};

// The red ray from A towards B, 100 pixels long, under the grey half ring that opens
// towards B. Leaves a grey pen of width 1.
void probtClick(Canvas &canvas, const ProtractorParams &params);

// What the ruler is drawn from: its zero end A, the measured end E and its direction theta,
// for which A - r (cos theta, sin theta) runs from A through E.
struct RulerParams {
    QPoint A;
    QPoint E;
    double theta = 0.0;
    Palette colours{};
};

// The grey edge from A through E, a tick every 25 pixels (every fourth one thick) and black
// end bars at E and A. The edge keeps the pen width the scene left; the ruler leaves a black
// pen of width 1.
void rulerbtClick(Canvas &canvas, const RulerParams &params);

} // namespace wave
