// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/pattern_measure.h"

#include "platform/language.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

namespace wave {

void PatternMeasure::release(QPoint at)
{
    step = (step + 1) % 3;
    if (step == 0)
        start = end = at;
    else if (step == 1)
        end = QPoint(at.x(), start.y());
}

void PatternMeasure::move(QPoint at)
{
    if (step == 0)
        start = end = at;
    else if (step == 1)
        end = QPoint(at.x(), start.y());
}

QString PatternMeasure::lengthText() const
{
    const double mm = std::abs(start.x() - end.x()) * 0.5;
    return QCoreApplication::translate("PatternMeasure", "Length: %1 mm")
        .arg(shownNumber(mm, 1), 5);
}

namespace {

int cut(double value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

void drawRuler(Canvas &out, QPoint start, QPoint end, bool blackAndWhite, QRgb mark)
{
    const int x0 = start.x(), y0 = start.y();
    const double theta = x0 > end.x() ? 0.0 : std::numbers::pi; // toward the end point
    const double m = theta + std::numbers::pi / 2;
    const double ct = std::cos(theta), st = std::sin(theta);
    const double cm = std::cos(m), sm = std::sin(m);
    out.pen() = Pen{blackAndWhite ? mark : colour::white, 1, PenStyle::Solid};

    // Long enough to leave the picture whatever the start point.
    out.moveTo(x0, y0);
    out.lineTo(x0 - cut(800 * ct), y0 - cut(800 * st));
    for (int k = 1; k <= 30; ++k) {
        out.pen().width = k % 5 == 0 ? 3 : 1;
        out.moveTo(x0 + cut(-20 * k * ct - 5 * cm), y0 + cut(-20 * k * st - 5 * sm));
        out.lineTo(x0 + cut(-20 * k * ct + 5 * cm), y0 + cut(-20 * k * st + 5 * sm));
    }
    out.pen().width = 2;
    for (QPoint at : {end, start}) {
        out.moveTo(at.x() + cut(15 * cm), at.y() + cut(15 * sm));
        out.lineTo(at.x() - cut(15 * cm), at.y() - cut(15 * sm));
    }
    out.pen().width = 1;
}

} // namespace wave
