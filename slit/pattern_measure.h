// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/canvas.h"

#include <QPoint>
#include <QString>

namespace wave {

// Measuring on the light pattern: the first release fixes the start point, the second the end
// point on the same row, the third starts over at the pointer.
struct PatternMeasure {
    int step = 0; // 0, 1 or 2
    QPoint start;
    QPoint end;

    // Any button released over the pattern, measuring or not.
    void release(QPoint at);
    // The pointer moves over the pattern while measuring.
    void move(QPoint at);
    // "Length: " and the horizontal distance in millimetres, one pixel being half a millimetre.
    QString lengthText() const;
};

// The ruler from the start point towards the end point's side, ticks every 10 mm and a thick
// one every 50 mm, with markers across it at both points; the mark colour on grey, white on
// colour.
void drawRuler(Canvas &out, QPoint start, QPoint end, bool blackAndWhite, QRgb mark = colour::red);

} // namespace wave
