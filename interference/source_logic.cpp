// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/source_logic.h"

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
    static const std::array<const char *, 3> prefix{"1st Point: ", "2nd Point: ", "3rd Point: "};
    return QLatin1String(prefix.at(static_cast<std::size_t>(source))) + QString::number(2 * P);
}

QString amplitudeLabel(int position)
{
    return QStringLiteral("Amplitude: ") + QString::number(position);
}

int phaseShiftDegrees(int position)
{
    return 4 * position;
}

QString phaseShiftLabel(int position)
{
    return QStringLiteral("Phase Shift: ") + QString::number(phaseShiftDegrees(position)) +
           QStringLiteral(" Degrees");
}

QString separationLabel(int S)
{
    return QStringLiteral("Actual Separation: ") + QString::number(S);
}

int animationInterval(int timeFactor, int maximum)
{
    return (maximum - timeFactor + 1) * 20;
}

} // namespace wave
