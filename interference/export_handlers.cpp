// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/band_csv.h"
#include "interference/interference_panel.h"
#include "interference/node_path.h"
#include "interference/source_logic.h"
#include "view/shared_state.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QScrollBar>

namespace wave {

void InterferencePanel::drawPicture(Canvas &canvas) const
{
    drawField(canvas, fieldParams());
    if (nodepath1->isEnabled() && nodepath1->isChecked())
        drawNodePath(canvas, nodePathParams());
    if (!bandShown() && !Hdetailcb->isChecked())
        return;
    // Drawing the band again would add to the average; its strip is the one on the screen.
    const int yb = view_.movescreen->value();
    blankBehindBand(canvas, yb);
    if (bandShown())
        canvas.copyFrom(view_.water->image(), QRect(0, yb, viewWidth, bandStripRows), QPoint(0, yb),
                        CopyMode::Plain);
}

QByteArray InterferencePanel::bandData(const QString &product) const
{
    if (!bandShown())
        return {};
    const BandSettings settings{product, bandParams(), Smooth->value(),
                                phaseShiftDegrees(perc->value())};
    return bandCsv(settings, bandProfile(settings.band, state_.bandsum));
}

} // namespace wave
