// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measure/practice.h"

namespace wave {

class RandomSource;

// What the ruler page asks to measure.
enum class LengthTask { TwoPoints, Wavefronts, PointAndLine };

// A distance to be measured across the picture's centre.
struct RulerTask {
    double taskdirection = 0.0; // radians, 0 to 2 pi
    double tasklength = 20.0;   // pixels, 20 to 245
    LengthTask kind = LengthTask::TwoPoints;
};

// Draws a new direction, then a new length.
void newRulerTask(RulerTask &task, RandomSource &random);

// The page's picture: the two points, the two lines or the line and the point, half the
// task's length either side of the centre, then the ruler from the measuring points.
void plotRulerTask(Canvas &canvas, const RulerTask &task, const Measuring &m,
                   const Palette &colours = {});

// A pointer move to `at` on the ruler and ray pages: the first click step lays a ruler 20
// pixels long to the right of the pointer, the second stretches it to the pointer, the third
// holds it. Stores the length in reading1 and returns the caption of `anallb`.
QString rulerMove(Measuring &m, QPoint at);

// Judges the measured length, reading1, against the task.
Verdict judgeLength(const RulerTask &task, const Measuring &m);

} // namespace wave
