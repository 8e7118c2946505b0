// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/light_experiments.h"

namespace wave {

Experiment experimentFromRecord(const ExperimentRecord &record)
{
    Hidden hidden = Hidden::Wavelength;
    if (record.hide == 0)
        hidden = Hidden::None;
    else if (record.hide == 1)
        hidden = Hidden::Screen;
    else if (record.hide == 2)
        hidden = Hidden::Slit;
    const SlitKind kind = record.kind == 1 ? SlitKind::Single : SlitKind::Double;
    return {kind, hidden, record.screen, record.slit, record.wave};
}

} // namespace wave
