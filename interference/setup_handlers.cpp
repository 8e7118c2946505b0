// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/interference_panel.h"
#include "interference/source_logic.h"
#include "view/shared_state.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>

namespace wave {

void InterferencePanel::listSetupControls()
{
    setup_.add(static_cast<Notebook *>(this));
    setup_.addPair(locked, unlocked);
    setup_.add(Numpoints);
    for (QScrollBar *bar : std::initializer_list<QScrollBar *>{C1space, c2space, c3space, fampsb,
                                                               sampsb, tampsb, perc})
        setup_.add(bar);
    setup_.add(fraction);
    setup_.add(Smooth);
    for (QCheckBox *box : {colourbx, Showscreen, addinter, Hdetailcb, BandW})
        setup_.add(box);
    setup_.add(timerate);
    setup_.add(view_.movescreen);
    setup_.add(measurecb);
    setup_.add(bicb);
    setup_.addPair(screenrb, anyrb);
    setup_.add(nodepath1);
    setup_.addPair(formularb, simulatedrb);
}

SetupValues InterferencePanel::settings() const
{
    return setup_.values();
}

SetupCheck InterferencePanel::apply(const SetupValues &values, const SetupValues &base)
{
    const SetupCheck setup = setup_.check(values, base);
    if (!setup.ok())
        return setup;
    if (timeron->isChecked())
        sbtClick();
    // The page first: turning it moves the focus, and leaving the factor list applies it.
    setPage(setup.value(this));

    applyPair(setup, locked, unlocked);
    selectSilently(Numpoints, setup.value(Numpoints));
    NumpointsChange();
    // With matched wavelengths the first bar carries the other two along, whatever the file
    // says of them.
    C1space->setValue(setup.value(C1space));
    for (QScrollBar *bar : std::initializer_list<QScrollBar *>{c2space, c3space})
        bar->setValue(locked->isChecked() ? C1space->value() : setup.value(bar));
    for (QScrollBar *bar : {fampsb, sampsb, tampsb, perc, timerate})
        bar->setValue(setup.value(bar));

    selectSilently(fraction, setup.value(fraction));
    Smooth->setValue(setup.value(Smooth));
    // The factor shows while the separation is its multiple of the wavelength, as after
    // choosing it, and hides on its white field otherwise, as after moving the bar by hand.
    const double factor = parseFactor(fraction->currentText()).value_or(0.0);
    fraction->setTextColour(separationForFactor(factor, C1space->value()) == Smooth->value()
                                ? palette().color(QPalette::WindowText)
                                : QColor(Qt::white));

    // The measure point's choice before the band: choosing "On Intensity Band" switches an
    // average band on that the set-up may have switched off again.
    applyPair(setup, screenrb, anyrb);
    for (QCheckBox *box : {colourbx, Showscreen, addinter, Hdetailcb, BandW})
        box->setChecked(setup.on(box));
    // The measuring options are for two sources only, as the number's handler has it.
    for (QCheckBox *box : {measurecb, bicb})
        box->setChecked(setup.on(box) && opgb->isEnabled());
    view_.movescreen->setValue(setup.value(view_.movescreen));
    nodepath1->setChecked(setup.on(nodepath1));
    applyPair(setup, formularb, simulatedrb);

    // The same picture as the same settings made by hand: the waves at rest in their start
    // phase and an average band that starts afresh.
    resetPhaseOffsets();
    state_.clearBand(static_cast<int>(state_.bandsum.size()));
    state_.bandpeak = 0.0;
    drawinter();
    return setup;
}

} // namespace wave
