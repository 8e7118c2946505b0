// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measure/practice.h"

namespace wave {

class RandomSource;

// The four handles of the ray page, each at the picture pixel under its centre.
struct Handles {
    QPoint csh; // the interface runs vertically through its x
    QPoint msh; // the middle of the ray
    QPoint lsh; // the point of incidence on the interface
    QPoint dsh; // the torch, where the ray starts
};

enum class Handle { csh, msh, lsh, dsh };

// The hint shown while the pointer is over a handle.
QString handleHint(Handle handle);

// The lesson and the grey target ray the student moves the red one onto.
struct RayLesson {
    int lessonstep = -1;      // 0 to 3; -1 on entering the page
    double targetangle = 0.0; // radians
    int targetx = 260;        // the target interface
    double targety = 118.0;   // the target point of incidence
};

// The ray's angle: positive when it rises to the left from the point of incidence.
double rayAngle(const Handles &handles);

// The handles at their start: ray and interface on the lesson's start position, the ray
// horizontal, except in lesson 1 where it already has the target's angle.
Handles resetHandles(const RayLesson &lesson);

// Moves on to the next lesson and draws its target, taking the point of incidence from
// where the handles stand now. The handles are to be reset after it.
void nextLesson(RayLesson &lesson, const Handles &handles, RandomSource &random);

// A drag of one handle to the picture point `to`.
Handles dragHandle(Handles handles, Handle handle, QPoint to);

// The page's picture: the grey target, the black interface, the red ray and the torch.
void plotRays(Canvas &canvas, const RayLesson &lesson, const Handles &handles,
              const Palette &colours = {});

// Right when the ray's angle, the interface and the point of incidence match the target.
Verdict judgeRays(const RayLesson &lesson, const Handles &handles);

} // namespace wave
