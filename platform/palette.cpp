// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/palette.h"

#include <QCoreApplication>

namespace wave {

namespace {

// Okabe and Ito's set.
constexpr QRgb okabeOrange = rgb(230, 159, 0);
constexpr QRgb okabeSkyBlue = rgb(86, 180, 233);
constexpr QRgb okabeYellow = rgb(240, 228, 66);
constexpr QRgb okabeBlue = rgb(0, 114, 178);
constexpr QRgb okabeVermillion = rgb(213, 94, 0);

constexpr std::array<const char *, paletteCount> keys{"standard", "colour-blind-safe", "dark-room"};

} // namespace

Palette standardPalette()
{
    return Palette{};
}

Palette colourBlindSafePalette()
{
    Palette p;
    p.trough = okabeBlue;
    p.mark = okabeVermillion;
    p.grey = rgb(150, 150, 150);
    p.reflected = okabeBlue;
    p.refracted = okabeOrange;
    p.band = okabeYellow;
    p.torch = okabeYellow;
    p.troughName = QCoreApplication::translate("Palette", "blue");
    return p;
}

Palette darkRoomPalette()
{
    Palette p;
    p.ground = colour::black;
    p.ink = colour::white;
    p.trough = okabeOrange;
    p.mark = okabeSkyBlue;
    p.grey = rgb(150, 150, 150);
    p.rays = rgb(90, 90, 90);
    p.reflected = okabeSkyBlue;
    p.refracted = okabeOrange;
    p.band = okabeOrange;
    p.torch = okabeYellow;
    p.crest = rgb(208, 232, 255);
    p.waterTrough = rgb(0, 0, 64);
    p.troughName = QCoreApplication::translate("Palette", "orange");
    return p;
}

Palette palette(PaletteKind kind)
{
    switch (kind) {
    case PaletteKind::ColourBlindSafe:
        return colourBlindSafePalette();
    case PaletteKind::DarkRoom:
        return darkRoomPalette();
    case PaletteKind::Standard:
        break;
    }
    return standardPalette();
}

QString paletteKey(PaletteKind kind)
{
    return QLatin1String(keys[static_cast<std::size_t>(kind)]);
}

PaletteKind paletteFromKey(const QString &key)
{
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (key == QLatin1String(keys[i]))
            return static_cast<PaletteKind>(i);
    return PaletteKind::Standard;
}

} // namespace wave
