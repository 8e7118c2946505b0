// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/canvas.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace wave {

// The colours every picture is drawn in. Each scene takes one in its parameters and draws
// nothing in a colour of its own; the light pattern's wavelength colour is physics and stays.
struct Palette {
    QRgb ground = colour::white;    // the tank and the paper
    QRgb ink = colour::black;       // crests, fronts, barriers, sources, outlines, text
    QRgb trough = colour::red;      // trough rings when they are coloured
    QRgb mark = colour::red;        // measuring lines, protractor rays, the even node curves
    QRgb grey = colour::grey;       // instrument edges, the odd node curves, targets
    QRgb rays = colour::silver;     // the rays of the wavefront page
    QRgb reflected = colour::green; // the row's wavelets and the reflected wavelets
    QRgb refracted = colour::red;   // refracted wavelets and the row's excitation front
    QRgb band = colour::red;        // the brightest level of the intensity band and map
    QRgb torch = rgb(255, 255, 0);  // the torch of the ray practice
    // The simulated water as a colour map: a crest and a trough at full height.
    QRgb crest = rgb(0, 0, 96);
    QRgb waterTrough = rgb(208, 232, 255);
    // What a reader hears for the trough colour: "troughs dotted in red".
    QString troughName = QCoreApplication::translate("Palette", "red");
};

enum class PaletteKind { Standard, ColourBlindSafe, DarkRoom };
constexpr int paletteCount = 3;

// Today's colours.
Palette standardPalette();
// Okabe and Ito's colour-blind-safe set: blue troughs, blue and orange wavelets, vermillion
// measuring lines.
Palette colourBlindSafePalette();
// Light lines on black for a dimmed room.
Palette darkRoomPalette();
Palette palette(PaletteKind kind);

// The palette's name in the settings, and back; an unknown name gives the standard palette.
QString paletteKey(PaletteKind kind);
PaletteKind paletteFromKey(const QString &key);

} // namespace wave
