// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"

#include <QString>

namespace wave {

class Canvas;

// What the wavelet row is drawn from: the values of the "Huygens' Principle" page.
struct WaveletRowParams {
    int N = 20;              // number of sources
    int sep = 15;            // separation of neighbouring sources, pixels
    int V = 10;              // growth of a wavelet radius per time unit, pixels
    int P = 50;              // period in tenths of a time unit
    int S = 30;              // speed of the excitation along the row
    int M = 1;               // most wavelets per source
    int t = 0;               // time
    bool sequential = false; // the sources start one after the other
    Palette colours{};
};

// Centre of source b (1..N) on the row's line, and whether it lies inside the view.
int sourceX(const WaveletRowParams &params, int b);
bool sourceVisible(const WaveletRowParams &params, int b);
int rowLine();

// The time the wavelet animation's tick leaves: one on, and from `last` (the time bar's end)
// by way of 1 to 2.
int nextWaveletTime(int t, int last);

// White ground, the green source dots, then each visible source's upper half wavelets and,
// in the sequential mode, the red excitation marker after every arc.
void drawWaveletRow(Canvas &canvas, const WaveletRowParams &params);

// What the wavelet row shows, in words for a screen reader.
QString describeWaveletRow(const WaveletRowParams &params);

} // namespace wave
