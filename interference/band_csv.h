// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interference/band.h"

#include <QByteArray>
#include <QString>

namespace wave {

// The settings the band was drawn at, as the comment line of its data file names them.
struct BandSettings {
    QString product;
    BandParams band;
    int separation = 60;
    int phaseShiftDegrees = 0;
};

// The band as comma-separated values: a comment line with the product and every setting, a
// header, then one row per view column with x, u, the average and the two brightness levels.
QByteArray bandCsv(const BandSettings &settings, const std::vector<BandColumn> &columns);

} // namespace wave
