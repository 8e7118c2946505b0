// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/source_logic.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>

namespace wave {

int roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double rest = value - lower;
    if (rest > 0.5)
        return static_cast<int>(lower) + 1;
    if (rest < 0.5)
        return static_cast<int>(lower);
    return static_cast<int>(std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0);
}

int phaseShiftOffset(int p, int P2)
{
    return static_cast<int>(std::trunc(2.0 * p * P2 / 90.0));
}

int separationForFactor(double factor, int P1)
{
    return roundHalfEven(factor * 2.0 * P1);
}

std::optional<double> parseFactor(const QString &text)
{
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = plain.toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString wavelengthLabel(int source, int P)
{
    static const std::array<const char *, 3> texts{
        QT_TRANSLATE_NOOP("SourceLogic", "1st Point: %1"),
        QT_TRANSLATE_NOOP("SourceLogic", "2nd Point: %1"),
        QT_TRANSLATE_NOOP("SourceLogic", "3rd Point: %1")};
    return QCoreApplication::translate("SourceLogic", texts.at(static_cast<std::size_t>(source)))
        .arg(2 * P);
}

QString amplitudeLabel(int position)
{
    return QCoreApplication::translate("SourceLogic", "Amplitude: %1").arg(position);
}

int phaseShiftDegrees(int position)
{
    return 4 * position;
}

QString phaseShiftLabel(int position)
{
    return QCoreApplication::translate("SourceLogic", "Phase Shift: %1 Degrees")
        .arg(phaseShiftDegrees(position));
}

QString separationLabel(int S)
{
    return QCoreApplication::translate("SourceLogic", "Actual Separation: %1").arg(S);
}

int animationInterval(int timeFactor, int maximum)
{
    return (maximum - timeFactor + 1) * 20;
}

} // namespace wave
