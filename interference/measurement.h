// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

namespace wave {

// Where a press at the view point (X, Y) puts the measure marker `dissh`: its top-left
// corner in frame coordinates. With " Anywhere" (`anyrb`) the press sets both coordinates,
// "On Intensity Band" keeps the marker's height on the band. S is the source markers' top.
QPoint measurePointForPress(QPoint current, int X, int Y, bool anywhere, int S);

// Texts of the Measurements page.
struct MeasureLabels {
    QString d1lb;
    QString d2lb;
    QString changelb;
    QString bisectlb;
    QString centerlb;
    QString bianglelb;
};

// L1 and L2 are the lefts of the left and right source markers, S their top and m the
// measure marker's top-left, all in frame coordinates. Markers are held by their corners,
// so the distances run between marker centres.
MeasureLabels measureLabels(int L1, int L2, int S, QPoint m);

} // namespace wave
