// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/interference_panel.h"
#include "interference/measurement.h"
#include "view/wave_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace wave {

void InterferencePanel::placeMeasurePoint(int X, int Y)
{
    const int S = view_.Center1->y();
    view_.dissh->move(measurePointForPress(view_.dissh->pos(), X, Y, anyrb->isChecked(), S));
    const MeasureLabels texts =
        measureLabels(view_.Center1->x(), view_.center2->x(), S, view_.dissh->pos());
    d1lb->setText(texts.d1lb);
    d2lb->setText(texts.d2lb);
    changelb->setText(texts.changelb);
    bisectlb->setText(texts.bisectlb);
    centerlb->setText(texts.centerlb);
    bianglelb->setText(texts.bianglelb);
    // the degree mark stays right behind the angle's last digit
    bianglelb->adjustSize();
    bideglb->move(bianglelb->x() + bianglelb->width(), bideglb->y());
}

void InterferencePanel::screenrbClick()
{
    view_.dissh->move(view_.dissh->x(), view_.screenpos->y() - 1);
    if (!addinter->isChecked() && !Showscreen->isChecked())
        addinter->setChecked(true);
    drawinter();
}

} // namespace wave
