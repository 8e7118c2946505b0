// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"

#include <QPoint>
#include <QString>

#include <array>

namespace wave {

class Canvas;

// What the point-source field is drawn from: the values of the interference controls.
struct FieldParams {
    int n = 2;                        // number of sources, 1 to 3
    int S = 60;                       // separation of neighbouring sources in pixels
    std::array<int, 3> P{15, 15, 15}; // half-wavelengths
    std::array<int, 3> T{0, 0, 0};    // phase offsets, 0 <= T < 2P
    bool colourWaves = true;          // troughs in the trough colour instead of the ink
    bool bisector = false;
    bool distances = false;
    int markerTop = 355;          // top of the source markers, frame coordinates
    QPoint measurePoint{384, 80}; // top-left of the measure marker, frame coordinates
    Palette colours{};
};

// Left edges of the three source markers in frame coordinates. All three are placed
// whatever n is; the row is centred on the view's width measured in frame coordinates, so
// its middle lies 12 pixels left of the view's centre.
std::array<int, 3> markerLefts(int n, int S);

// Length the rings reach: the view's diagonal, rounded.
int ringReach();

// Draws the whole field into the wave view's canvas: the ground, source discs,
// measuring overlays, then each source's upper half rings, crests solid and troughs
// dotted. Leaves an ink brush colour with no fill set, as the band drawn over it expects.
void drawField(Canvas &canvas, const FieldParams &params);

// What the field shows, in words for a screen reader: "Two sources 60 pixels apart,
// wavelength 30, crests solid, troughs dotted".
QString describeField(const FieldParams &params);

// What the picture does not show of the n sources, as describeField's continuation: the phase
// shift in degrees and the amplitude bars' positions, each only when not the default 0 and 10.
QString describeSourceSettings(int n, int phaseShift, const std::array<int, 3> &amplitudes);

} // namespace wave
