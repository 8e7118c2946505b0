// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/band_csv.h"

#include "platform/csv.h"

namespace wave {

namespace {

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// One value per source shown, apart by blanks.
template <typename Value> QString perSource(const BandParams &band, Value value)
{
    QStringList values;
    for (int k = 0; k < band.n; ++k)
        values << value(band.sources[std::size_t(k)]);
    return values.join(QLatin1Char(' '));
}

} // namespace

QByteArray bandCsv(const BandSettings &settings, const std::vector<BandColumn> &columns)
{
    const BandParams &band = settings.band;
    QStringList parts{
        settings.product + QStringLiteral(" intensity band"),
        QStringLiteral("sources: %1").arg(band.n),
        QStringLiteral("wavelengths: %1 px")
            .arg(perSource(band, [](const BandSource &s) { return QString::number(2 * s.P); })),
        QStringLiteral("separation: %1 px").arg(settings.separation),
        QStringLiteral("phase shift: %1 degrees").arg(settings.phaseShiftDegrees),
        QStringLiteral("amplitudes: %1")
            .arg(perSource(band, [](const BandSource &s) { return csvNumber(s.amplitude); })),
        QStringLiteral("phase offsets: %1 px")
            .arg(perSource(band, [](const BandSource &s) { return QString::number(s.T); })),
        QStringLiteral("band line: view row %1").arg(band.bandTop + bandStripRows),
        QStringLiteral("instantaneous strip: %1").arg(onOff(band.instantaneous)),
        QStringLiteral("average strip: %1").arg(onOff(band.average)),
        QStringLiteral("black and white: %1").arg(onOff(band.blackAndWhite))};
    // While the water is on, the strips may show it and a column gives its mean intensity.
    const bool water = !band.waterIntensity.empty();
    if (water)
        parts << QStringLiteral("strips: %1")
                     .arg(band.simulated ? QStringLiteral("simulated") : QStringLiteral("formula"));
    CsvText csv;
    csv.comment(parts.join(QStringLiteral("; ")));
    QStringList header{QStringLiteral("x"), QStringLiteral("u"), QStringLiteral("average"),
                       QStringLiteral("instantaneous level"), QStringLiteral("average level")};
    if (water)
        header << QStringLiteral("simulated average");
    csv.row(header);
    for (const BandColumn &column : columns) {
        QStringList row{QString::number(column.x), csvNumber(column.u), csvNumber(column.average),
                        QString::number(column.instantaneousLevel),
                        QString::number(column.averageLevel)};
        if (water)
            row << csvNumber(column.simulated);
        csv.row(row);
    }
    return csv.bytes();
}

} // namespace wave
