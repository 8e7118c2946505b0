// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display_settings.h"

#include <QSettings>

#include <algorithm>

namespace wave {

// The settings are named explicitly: the application's name changes with the product.
DisplaySettings loadDisplaySettings()
{
    const QSettings settings(QStringLiteral("wavelab"), QStringLiteral("display"));
    DisplaySettings read;
    read.zoom = std::clamp(settings.value(QStringLiteral("zoom"), 1).toInt(), 1, largestZoom);
    read.palette = paletteFromKey(settings.value(QStringLiteral("palette")).toString());
    read.largeDisplay = std::clamp(settings.value(QStringLiteral("largeDisplay"), 1).toInt(), 1, 8);
    read.language = settings.value(QStringLiteral("language")).toString();
    return read;
}

void saveDisplaySettings(const DisplaySettings &written)
{
    QSettings settings(QStringLiteral("wavelab"), QStringLiteral("display"));
    settings.setValue(QStringLiteral("zoom"), written.zoom);
    settings.setValue(QStringLiteral("palette"), paletteKey(written.palette));
    settings.setValue(QStringLiteral("largeDisplay"), written.largeDisplay);
    settings.setValue(QStringLiteral("language"), written.language);
}

int fittingZoom(QSize window, QSize picture, QSize screen)
{
    int zoom = 1;
    while (zoom < largestZoom && window.width() + picture.width() * zoom <= screen.width() &&
           window.height() + picture.height() * zoom <= screen.height())
        ++zoom;
    return zoom;
}

int largeDisplayFactor(QSize window, QSize available)
{
    if (window.isEmpty())
        return 1;
    return std::max(
        1, std::min(available.width() / window.width(), available.height() / window.height()));
}

} // namespace wave
