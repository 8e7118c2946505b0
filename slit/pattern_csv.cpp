// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/pattern_csv.h"

#include "platform/csv.h"

#include <cstdlib>

namespace wave {

namespace {

QString shownOrHidden(bool hidden, const QString &value)
{
    return hidden ? QStringLiteral("hidden") : value;
}

} // namespace

QByteArray patternCsv(const PatternSettings &settings)
{
    const PatternParams &params = settings.params;
    const bool single = params.kind == SlitKind::Single;
    const QString micrometres = QStringLiteral(" ") + QChar(0xB5) + QStringLiteral("m");
    const QStringList parts{
        settings.product + QStringLiteral(" light pattern"),
        single ? QStringLiteral("single slit") : QStringLiteral("double slit"),
        QStringLiteral("wavelength: ") +
            shownOrHidden(settings.wavelengthHidden,
                          QString::number(wavelengthNm(params.wavePosition), 'f', 2) +
                              QStringLiteral(" nm")),
        (single ? QStringLiteral("slit width: ") : QStringLiteral("slit separation: ")) +
            shownOrHidden(settings.slitHidden, QString::number(params.slitMicrons) + micrometres),
        QStringLiteral("screen distance: ") +
            shownOrHidden(settings.screenHidden,
                          QString::number(params.screenCm) + QStringLiteral(" cm")),
        QStringLiteral("black and white: ") +
            (params.blackAndWhite ? QStringLiteral("on") : QStringLiteral("off"))};
    CsvText csv;
    csv.comment(parts.join(QStringLiteral("; ")));
    csv.row({QStringLiteral("position (mm)"), QStringLiteral("intensity"),
             QStringLiteral("grey level")});
    for (int x = 0; x < patternWidth; ++x) {
        const int offset = std::abs(x - patternCentre);
        const int grey = offset == 0 ? 255 : greyLevel(params, offset);
        csv.row({csvNumber((x - patternCentre) * 0.5), csvNumber(patternIntensity(params, offset)),
                 QString::number(grey)});
    }
    return csv.bytes();
}

} // namespace wave
