// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/slit_panel.h"

#include <QCheckBox>
#include <QScrollBar>

namespace wave {

void SlitPanel::listSetupControls()
{
    for (QScrollBar *bar : {pwavesb, openingsb, timeropen})
        setup_.add(bar);
    setup_.add(acb);
}

SetupValues SlitPanel::settings() const
{
    return setup_.values();
}

SetupCheck SlitPanel::apply(const SetupValues &values, const SetupValues &base)
{
    const SetupCheck setup = setup_.check(values, base);
    if (!setup.ok())
        return setup;
    if (opentime->isChecked())
        StarbtClick();
    for (QScrollBar *bar : {pwavesb, openingsb, timeropen})
        bar->setValue(setup.value(bar));
    acb->setChecked(setup.on(acb));
    // The fronts at rest where they start, as the same settings give in a fresh window.
    slitPhase = 0;
    opening();
    return setup;
}

} // namespace wave
