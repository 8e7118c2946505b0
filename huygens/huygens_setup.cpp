// SPDX-License-Identifier: GPL-3.0-or-later
#include "huygens/huygens_pages.h"

#include "platform/controls.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace wave {

void HuygensPages::listSetupControls()
{
    setup_.add(&notebook_);
    for (QScrollBar *bar :
         {numsourcessb, pointsepsb, timerwavesb, wlwvfrsb, lrsb, numwvwfsb, wavefrontsb})
        setup_.add(bar);
    setup_.addPair(simrb, movingrb);
    setup_.add(dcb);
    for (QScrollBar *bar : {Speedsb, wlsb, wavefsb, anglesb, wavesb, timersb, pointsep})
        setup_.add(bar);
    setup_.addPair(refrarb, reflrb);
    setup_.add(Showraycb);
    setup_.addPair(waveanal, frontanal);
    setup_.add(meacb);
}

SetupValues HuygensPages::settings() const
{
    return setup_.values();
}

SetupCheck HuygensPages::apply(const SetupValues &values, const SetupValues &base)
{
    const SetupCheck setup = setup_.check(values, base);
    if (!setup.ok())
        return setup;
    if (timerwave->isChecked())
        stabt->click();
    if (movecb->isChecked())
        stbt->click();
    // Turning the page switches the measuring off, so the page comes first.
    notebook_.setPage(setup.value(&notebook_));
    for (QScrollBar *bar :
         {numsourcessb, pointsepsb, timerwavesb, wlwvfrsb, lrsb, numwvwfsb, wavefrontsb, Speedsb,
          wlsb, wavefsb, anglesb, wavesb, timersb, pointsep})
        bar->setValue(setup.value(bar));
    applyPair(setup, simrb, movingrb);
    applyPair(setup, refrarb, reflrb);
    applyPair(setup, waveanal, frontanal);
    for (QCheckBox *box : {Showraycb, dcb, meacb})
        box->setChecked(setup.on(box));
    if (activeHuygensPage == 0)
        lrbt();
    else
        refractbttry();
    return setup;
}

} // namespace wave
