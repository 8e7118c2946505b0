// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/interference_panel.h"
#include "interference/source_logic.h"
#include "view/shared_state.h"
#include "view/simulated_water.h"
#include "view/wave_view.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace wave {

void InterferencePanel::sbtClick()
{
    timeron->toggle();
    if (timeron->isChecked()) {
        sbt->setText(tr("S&top Waves"));
    } else {
        view_.mim1->hide();
        view_.mim2->hide();
        sbt->setText(tr("S&tart Waves"));
    }
}

void InterferencePanel::timeronClick()
{
    if (Timer1->isActive()) {
        Timer1->stop();
    } else {
        Timer1->start();
        // the average band starts afresh with the motion
        state_.clearBand();
    }
    state_.bandpeak = 0.0;
    state_.pointerHeld = false;
}

void InterferencePanel::Timer1Timer()
{
    // Hidden sources move on too, so they come back in step with the others.
    for (TaggedScrollBar *wavelength : {C1space, c2space, c3space})
        wavelength->tag = (wavelength->tag + 1) % (2 * wavelength->value());
    state_.simulated->tick();
    drawinter();
}

void InterferencePanel::timerateChange()
{
    Timer1->setInterval(animationInterval(timerate->value(), timerate->maximum()));
}

} // namespace wave
