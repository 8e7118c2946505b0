// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/interference_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>

namespace wave {

void InterferencePanel::nodepath1Click()
{
    drawinter();
}

void InterferencePanel::TwopointInterference1Click()
{
    nodepath1->setChecked(false);
    setPage(0);
    perc->setValue(0);
    locked->setChecked(true);
    C1space->setFocus();
    C1space->setValue(15);

    // Two sources, then the factor list's turn: as the focus passes from the number list
    // to the factor list, the number's handler runs and the factor list is entered.
    setPage(1);
    selectSilently(Numpoints, 1);
    NumpointsChange();
    fractionEnter();
    selectSilently(fraction, 8);

    setPage(2);
    if (timeron->isChecked())
        sbtClick();
    Showscreen->setChecked(false);
    addinter->setChecked(false);

    setPage(3);
    measurecb->setChecked(false);
    bicb->setChecked(false);

    // Leaving the factor list applies the factor: two wavelengths apart.
    setPage(0);
    C1space->setFocus();
    fractionExit();
}

} // namespace wave
