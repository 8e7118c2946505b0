// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"

#include <QSize>
#include <QString>

namespace wave {

constexpr int largestZoom = 4;

// How the pictures are shown, kept in the user's settings between runs.
struct DisplaySettings {
    int zoom = 1;
    PaletteKind palette = PaletteKind::Standard;
    int largeDisplay = 1; // the whole interface's scale from the next start; 1 is off
    QString language;     // the language from the next start; empty for the system's
};

// Values out of range read as their nearest allowed value.
DisplaySettings loadDisplaySettings();
void saveDisplaySettings(const DisplaySettings &settings);

// The largest zoom, 1 to 4, at which a window of `window` pixels at zoom 1, whose picture of
// `picture` pixels grows with the zoom, fits `screen`.
int fittingZoom(QSize window, QSize picture, QSize screen);

// The largest whole scale of the interface, at least 1, at which a window of `window` device
// pixels fits `available`.
int largeDisplayFactor(QSize window, QSize available);

} // namespace wave
