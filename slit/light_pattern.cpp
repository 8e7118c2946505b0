// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/light_pattern.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

namespace wave {

double wavelengthNm(int wavePosition)
{
    return (wavePosition - 128) / 3.84 + 330;
}

std::optional<QRgb> wavelengthColour(int p)
{
    if (p <= 0)
        return std::nullopt;
    if (p > 1280)
        return rgb(1536 - p, 0, 0);
    if (p > 1024)
        return rgb(255, 1280 - p, 0);
    if (p > 768)
        return rgb(p - 769, 255, 0);
    if (p > 512)
        return rgb(0, 255, 768 - p);
    if (p > 256)
        return rgb(0, p - 257, 255);
    return rgb(0, 0, p - 1);
}

double patternIntensity(const PatternParams &params, int offset)
{
    const bool single = params.kind == SlitKind::Single;
    if (offset == 0)
        return single ? 50000 : 255; // the limit of sin(u) / u at u = 0 is 1
    const double L = params.screenCm;
    const double a = params.slitMicrons;
    const double lambda = wavelengthNm(params.wavePosition);
    const double y = offset * 0.05; // one pixel is half a millimetre on the screen
    const double sinTheta = y / std::sqrt(y * y + L * L);
    // a is in micrometres, lambda in nanometres
    const double u = std::numbers::pi * a * 1000 * sinTheta / lambda;
    if (single) {
        // Far beyond 255 on purpose: the strip saturates and the minima show as thin dark lines.
        return 50000 * (std::sin(u) * std::sin(u)) / (u * u);
    }
    // Each slit is a tenth of the separation wide; the fringes follow |cos u|.
    const double v = u / 10;
    return 255 * std::abs(std::cos(u) * (std::sin(v) * std::sin(v)) / (v * v));
}

int greyLevel(const PatternParams &params, int offset)
{
    return static_cast<int>(std::trunc(std::min(patternIntensity(params, offset), 255.0)));
}

void drawColourSample(Canvas &sample, int wavePosition)
{
    const QRgb colour = wavelengthColour(wavePosition).value_or(sample.brush().colour);
    sample.pen() = Pen{colour, 1, PenStyle::Solid};
    sample.brush() = Brush{colour, BrushStyle::Solid};
    sample.rectangle(0, 0, sample.width(), sample.height());
}

namespace {

void column(Canvas &mask, int x, QRgb colour)
{
    mask.pen().colour = colour;
    mask.moveTo(x, 0);
    mask.lineTo(x, mask.height());
}

} // namespace

void drawPattern(Canvas &mask, const PatternParams &params, QRgb wavelength, QRgb tint)
{
    const int centre = mask.width() / 2;
    mask.pen() = Pen{tint, 1, PenStyle::Solid};
    mask.brush() = Brush{tint, BrushStyle::Solid};
    mask.rectangle(0, 0, mask.width(), mask.height());
    if (!params.blackAndWhite)
        column(mask, centre, wavelength & tint);
    for (int i = 1; i <= centre; ++i) {
        const int g = greyLevel(params, i);
        column(mask, centre - i, rgb(g, g, g) & tint);
        column(mask, centre + i, rgb(g, g, g) & tint);
    }
}

void composePattern(Canvas &out, const QImage &sample, const QImage &mask, bool blackAndWhite)
{
    const QRect whole(0, 0, out.width(), out.height());
    if (blackAndWhite) {
        out.pen() = Pen{colour::white, 1, PenStyle::Solid};
        out.brush() = Brush{colour::white, BrushStyle::Solid};
        out.rectangle(0, 0, out.width(), out.height());
        out.copyFrom(mask, whole, {0, 0}, CopyMode::Plain);
        return;
    }
    out.copyFrom(sample, whole, {0, 0}, CopyMode::Plain);
    // Each channel is ANDed with the grey level: full intensity keeps the colour, 0 is black,
    // and levels between give the bitwise AND rather than a scaled colour.
    out.copyFrom(mask, whole, {0, 0}, CopyMode::And);
}

QString screenText(int screenCm)
{
    return QCoreApplication::translate("LightPattern", "Screen distance: %1 cm").arg(screenCm);
}

QString slitText(SlitKind kind, int slitMicrons)
{
    return (kind == SlitKind::Single
                ? QCoreApplication::translate("LightPattern", "Slit Width: %1 µm")
                : QCoreApplication::translate("LightPattern", "Slit Separation: %1 µm"))
        .arg(slitMicrons);
}

namespace {

long long wholeNm(int wavePosition)
{
    return static_cast<long long>(std::trunc(wavelengthNm(wavePosition)));
}

} // namespace

QString wavelengthText(int wavePosition)
{
    return QCoreApplication::translate("LightPattern", "Lambda: %1 nm").arg(wholeNm(wavePosition));
}

QString describePattern(const PatternParams &params)
{
    const QString text =
        params.kind == SlitKind::Single
            ? QCoreApplication::translate("LightPattern",
                                          "Single slit pattern on a screen %1 cm "
                                          "away, slit width %2 µm, light of %3 nm, %4")
            : QCoreApplication::translate("LightPattern",
                                          "Double slit pattern on a screen %1 cm away, slit "
                                          "separation %2 µm, light of %3 nm, %4");
    return text.arg(params.screenCm)
        .arg(params.slitMicrons)
        .arg(wholeNm(params.wavePosition))
        .arg(params.blackAndWhite
                 ? QCoreApplication::translate("LightPattern", "in black and white")
                 : QCoreApplication::translate("LightPattern", "in its colour"));
}

} // namespace wave
