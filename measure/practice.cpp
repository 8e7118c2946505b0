// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/practice.h"

#include "platform/canvas.h"

#include <QCoreApplication>

namespace wave {

Verdict judge(double e, double right, double close, const QString &praise)
{
    if (e < right)
        return {MessageKind::Information, praise};
    if (e < close)
        return {MessageKind::Warning,
                QCoreApplication::translate(
                    "Practice", "Right!\nBut can you get the answer\na little closer?")};
    return judge(false);
}

Verdict judge(bool right)
{
    if (right)
        return {MessageKind::Information,
                QCoreApplication::translate("Practice", "Right!\nWell Done!")};
    return {MessageKind::Error, QCoreApplication::translate("Practice", "Oops!\nTry again!")};
}

void clearPractice(Canvas &canvas, const Palette &colours)
{
    canvas.pen() = Pen{colours.ground, 1, PenStyle::Clear};
    canvas.brush() = Brush{colours.ground, BrushStyle::Solid};
    canvas.rectangle(0, 0, practiceWidth, practiceHeight);
    canvas.pen() = Pen{colours.ink};
}

} // namespace wave
