// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"
#include "platform/palette.h"

#include <QPoint>
#include <QString>

namespace wave {

class Canvas;

// The practice picture `proim` and its centre.
constexpr int practiceWidth = 397;
constexpr int practiceHeight = 245;
constexpr QPoint practiceCentre(practiceWidth / 2, practiceHeight / 2);

// The pointer's measuring on the practice picture. The protractor and the ruler pages share
// it, and so its readings and points carry over from one page to the other.
struct Measuring {
    int clickstep = 0;
    QPoint firstpoint;
    QPoint secondpoint;
    double lineangle = 0.0; // direction from secondpoint towards firstpoint, radians
    double savedLineangle = 0.0;
    double reading1 = 0.0;
    double reading2 = 0.0;
};

// What "&Check" answers, in a box of its kind.
struct Verdict {
    MessageKind kind;
    QString text;
};

// An error e below `right` earns the praise, one below `close` a nudge, a larger one another
// try. Message boxes break their lines with a newline.
Verdict judge(double e, double right, double close, const QString &praise);
// Right or wrong, nothing between.
Verdict judge(bool right);

// Clears the picture to the ground for a new drawing and sets a plain ink pen of width 1.
void clearPractice(Canvas &canvas, const Palette &colours = {});

} // namespace wave
