// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/band.h"
#include "interference/interference_panel.h"
#include "view/shared_state.h"
#include "view/simulated_water.h"
#include "view/wave_view.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>

namespace wave {

BandParams InterferencePanel::bandParams() const
{
    BandParams params = formulaBandParams();
    addWater(params);
    return params;
}

BandParams InterferencePanel::formulaBandParams() const
{
    BandParams params;
    params.n = sourceCount();
    params.sources =
        bandSources(fieldParams(), {fampsb->value(), sampsb->value(), tampsb->value()});
    params.markerTop = view_.Center1->y();
    params.bandTop = view_.movescreen->value();
    params.mapTop = view_.mim1->y();
    params.instantaneous = Showscreen->isChecked();
    params.average = addinter->isChecked();
    params.highDetail = Hdetailcb->isChecked();
    params.blackAndWhite = BandW->isChecked();
    params.colours = state_.colours;
    return params;
}

void InterferencePanel::addWater(BandParams &params) const
{
    if (state_.simulated->on()) {
        SimulatedWater::Row water = state_.simulated->row(bandLineTop(params.bandTop) - viewOffset);
        for (double &u : water.displacement)
            u /= params.n;
        params.waterU = std::move(water.displacement);
        params.waterIntensity = std::move(water.intensity);
        params.simulated = simulatedrb->isChecked();
    }
}

bool InterferencePanel::bandShown() const
{
    return Showscreen->isChecked() || addinter->isChecked();
}

void InterferencePanel::screenbtClick()
{
    state_.bandpeak = 0.0;
    // The map is the formula's alone: it is drawn while the water's tick may still run.
    BandParams params = formulaBandParams();
    // The map goes into the hidden buffer and is shown only complete; the buffers take
    // turns with the parity of the first source's offset.
    const bool first = mapIntoFirst(C1space->tag);
    ImageView *target = first ? view_.mim1 : view_.mim2;
    ImageView *other = first ? view_.mim2 : view_.mim1;
    target->hide();
    drawDetailMap(view_.mapCanvas(first), params);
    if (params.highDetail) {
        target->show();
        other->hide();
    }
    addWater(params);
    drawBand(view_.canvas(), params, state_.bandsum, state_.bandpeak);
    view_.water->update();
}

void InterferencePanel::ShowscreenClick()
{
    if (bandShown()) {
        screenbtClick();
        view_.screenpos->show();
    } else if (Hdetailcb->isChecked()) {
        screenbtClick();
    }
    if (!bandShown()) {
        view_.screenpos->hide();
        drawinter();
    }
    // The map hangs below the band line, or covers the top of the view without a band.
    const int mapTop = view_.screenpos->isHidden() ? viewOffset : view_.screenpos->y();
    view_.mim1->move(view_.mim1->x(), mapTop);
    view_.mim2->move(view_.mim2->x(), mapTop);
    if (!Hdetailcb->isChecked()) {
        view_.mim1->hide();
        view_.mim2->hide();
    }
    view_.movescreen->setVisible(!view_.screenpos->isHidden());
}

void InterferencePanel::movescreenChange()
{
    state_.clearBand(static_cast<int>(state_.bandsum.size()));
    const int lineTop = bandLineTop(view_.movescreen->value());
    view_.screenpos->move(view_.screenpos->x(), lineTop);
    if (Hdetailcb->isChecked()) {
        view_.mim1->move(view_.mim1->x(), lineTop);
        view_.mim2->move(view_.mim2->x(), lineTop);
    }
    if (screenrb->isChecked())
        view_.dissh->move(view_.dissh->x(), lineTop - 1);
    screenbtClick();
}

void InterferencePanel::BandWClick()
{
    screenbtClick();
}

} // namespace wave
