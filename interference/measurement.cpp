// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/measurement.h"

#include "view/shared_state.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace wave {

QPoint measurePointForPress(QPoint current, int X, int Y, bool anywhere, int S)
{
    int my = anywhere ? Y + 12 : current.y();
    int mx = X + 12;
    // a press in the rightmost columns (698 to 708) puts the point at view x 694
    if (mx > viewWidth)
        mx = viewWidth - 3;
    // the point stays above the sources' centre row, which keeps "Along CL" at least 1
    if (my >= S)
        my = S - 1;
    return {mx, my};
}

namespace {

int truncatedDistance(int dx, int dy)
{
    return static_cast<int>(std::trunc(std::sqrt(double(dx) * dx + double(dy) * dy)));
}

} // namespace

MeasureLabels measureLabels(int L1, int L2, int S, QPoint m)
{
    const int d1 = truncatedDistance(L1 - m.x(), S - m.y());
    const int d2 = truncatedDistance(L2 - m.x(), S - m.y());
    const int width = std::abs((L1 + L2) / 2 - m.x());
    const int along = std::abs(S - m.y());
    // a point on the source row lies square to the centre line
    const int angle = along == 0 ? 90
                                 : static_cast<int>(std::trunc(std::atan(double(width) / along) *
                                                               180.0 / std::numbers::pi));
    return {
        QCoreApplication::translate("Measurement", "From Left Point: %1").arg(d1),
        QCoreApplication::translate("Measurement", "From Right Point: %1").arg(d2),
        QCoreApplication::translate("Measurement", "Path Difference: %1").arg(std::abs(d1 - d2)),
        QCoreApplication::translate("Measurement", "Width from CL: %1").arg(width),
        QCoreApplication::translate("Measurement", "Along CL: %1").arg(along),
        QCoreApplication::translate("Measurement", "Bisector Angle: %1").arg(angle),
    };
}

} // namespace wave
