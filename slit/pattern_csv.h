// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slit/light_pattern.h"

#include <QByteArray>
#include <QString>

namespace wave {

// The pattern's setting as its data file names it; a quantity an experiment hides stays hidden.
struct PatternSettings {
    QString product;
    PatternParams params;
    bool screenHidden = false;
    bool slitHidden = false;
    bool wavelengthHidden = false;
};

// The pattern as comma-separated values: a comment line with the product and the setting, a
// header, then one row per column with its position from the centre in millimetres, the
// intensity before it is cut to 255 and the grey level drawn.
QByteArray patternCsv(const PatternSettings &settings);

} // namespace wave
