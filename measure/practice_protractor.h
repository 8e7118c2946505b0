// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measure/practice.h"

#include <optional>

namespace wave {

class RandomSource;

// The protractor page's task: an angle to be measured in a figure turned as a whole.
struct AngleTask {
    double taskangle = 10.0;   // degrees, 10 to 170
    double taskrotation = 0.0; // degrees, 0 to 360
    bool fromNormal = false;   // a ray and the normal rather than two lines
};

// Draws a new angle, then a new rotation.
void newAngleTask(AngleTask &task, RandomSource &random);

// The page's picture: a clear image with the two lines and their arc, or the surface, the
// ray and the dotted red normal.
void plotAngleTask(Canvas &canvas, const AngleTask &task, const Palette &colours = {});

// The protractor's direction from its centre towards a point. It differs from the
// instruments' directionAngle only for the centre itself, which gives pi / 2.
double protractorDirection(QPoint centre, QPoint towards);

// A reading of d radians as the reading buttons show it: tenths of a degree cut toward zero
// and one tenth added, so 45.03 degrees shows " 45.1°" and 44.96 degrees " 45.0°".
QString readingCaption(double d);

// The captions a pointer move gives the reading buttons `Ang1rb` and `ang2rb`, if any.
struct ReadingCaptions {
    std::optional<QString> Ang1rb;
    std::optional<QString> ang2rb;
};

// A pointer move to `at` on the page. The first two click steps place the protractor and
// turn its base line, the third reads the angle towards the pointer, the fourth holds
// everything still. Except in the fourth, the picture is drawn anew.
ReadingCaptions protractorMove(Canvas &canvas, Measuring &m, const AngleTask &task, QPoint at,
                               const Palette &colours = {});

// Judges the offered reading, in degrees, against the task.
Verdict judgeAngle(const AngleTask &task, double offered);

} // namespace wave
