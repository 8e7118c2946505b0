// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/canvas.h"

#include <QString>

#include <optional>

namespace wave {

enum class SlitKind { Single, Double };

// The light pattern's images, all of one size.
constexpr int patternWidth = 769;
constexpr int patternHeight = 81;
constexpr int patternCentre = patternWidth / 2;

// The setting the pattern is drawn from: the positions of the three bars, the slit kind and
// whether the output is grey.
struct PatternParams {
    SlitKind kind = SlitKind::Single;
    int screenCm = 150;   // L, 100 to 500
    int slitMicrons = 75; // a, slit width or separation, 1 to 200
    int wavePosition = 450;
    bool blackAndWhite = false;
};

// The wavelength in nanometres of a wavelength bar position, 0 to 1536.
double wavelengthNm(int wavePosition);

// The colour of a wavelength bar position, running from black through red, yellow, green,
// cyan and blue to black; none at position 0, where the sample keeps the colour it had.
std::optional<QRgb> wavelengthColour(int wavePosition);

// The intensity `offset` pixels (0 to patternCentre) either side of the centre, before it is
// cut to 255: up to 50000 for a single slit, up to 255 for a double slit, either at the centre.
double patternIntensity(const PatternParams &params, int offset);

// The grey level of the column `offset` pixels (1 to patternCentre) either side of the centre.
int greyLevel(const PatternParams &params, int offset);

// Paints the whole colour sample in the wavelength colour; pen and brush keep it, and the
// pen's colour is what drawPattern takes as the wavelength colour.
void drawColourSample(Canvas &sample, int wavePosition);

// Draws the intensity mask, one grey column per pixel; in colour the centre column holds the
// wavelength colour itself, in black and white it stays white. Every colour is ANDed with the
// tint: the wavelength colour gives the composed picture in one pass, on a surface that cannot
// AND what lies on it (a vector file).
void drawPattern(Canvas &mask, const PatternParams &params, QRgb wavelength,
                 QRgb tint = colour::white);

// Composes the picture shown: the grey mask on white, or the colour sample ANDed with the mask.
void composePattern(Canvas &out, const QImage &sample, const QImage &mask, bool blackAndWhite);

// The value labels under the pattern.
QString screenText(int screenCm);
QString slitText(SlitKind kind, int slitMicrons);
QString wavelengthText(int wavePosition);

// What the light pattern shows, in words for a screen reader.
QString describePattern(const PatternParams &params);

} // namespace wave
