// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace wave {

// Rounds to the nearest integer with halves going to the even neighbour.
int roundHalfEven(double value);

// Phase offset of source 2 in pixels for the phase-shift step p (4 p degrees) and its
// half-wavelength P2: the shift as a share of the wavelength 2 P2, truncated.
int phaseShiftOffset(int p, int P2);

// The separation for a factor of source 1's wavelength 2 P1, before the bar clamps it.
int separationForFactor(double factor, int P1);

// Reads a factor as written in the list ("1.75"), whatever the user's locale says.
std::optional<double> parseFactor(const QString &text);

// Number of a wavelength bar (0, 1, 2) as its label shows it: "1st Point: " + 2 P, ...
QString wavelengthLabel(int source, int P);
// The other bars' labels of the interference product at a bar position.
QString amplitudeLabel(int position);
// The phase shift bar moves in steps of 4 degrees.
int phaseShiftDegrees(int position);
QString phaseShiftLabel(int position);
QString separationLabel(int S);
// The animation's tick in milliseconds at a "Time Factor" position: faster to the right.
int animationInterval(int timeFactor, int maximum);

// The menu's node path needs exactly two sources of one wavelength.
constexpr bool nodePathAvailable(int n, bool matched)
{
    return n == 2 && matched;
}

} // namespace wave
