// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/band_csv.h"
#include "interference/interference_panel.h"
#include "interference/node_path.h"
#include "interference/source_logic.h"
#include "platform/bitmap_canvas.h"
#include "view/shared_state.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QScrollBar>
#include <QTimer>

#include <numeric>

namespace wave {

void InterferencePanel::drawFieldAndPath(Canvas &canvas, const FieldParams &params) const
{
    drawField(canvas, params);
    if (nodepath1->isEnabled() && nodepath1->isChecked())
        drawNodePath(canvas, nodePathParams());
}

void InterferencePanel::drawPicture(Canvas &canvas) const
{
    drawFieldAndPath(canvas, fieldParams());
    if (bandShown() || Hdetailcb->isChecked())
        copyShownBand(canvas);
}

void InterferencePanel::copyShownBand(Canvas &canvas) const
{
    // Drawing the band again would add to the average; its strip is the one on the screen.
    const int yb = view_.movescreen->value();
    blankBehindBand(canvas, yb);
    if (bandShown())
        canvas.copyFrom(view_.water->image(), QRect(0, yb, viewWidth, bandStripRows), QPoint(0, yb),
                        CopyMode::Plain);
}

Animation InterferencePanel::animation() const
{
    const FieldParams field = fieldParams();
    // Each shown source's rings come back after its wavelength; an offset left beyond it by a
    // change of wavelength is back in range after one tick.
    long long period = 1;
    int lead = 0;
    for (int k = 0; k < field.n; ++k) {
        const std::size_t source = static_cast<std::size_t>(k);
        period = std::lcm(period, 2LL * field.P[source]);
        if (field.T[source] >= 2 * field.P[source])
            lead = 1;
    }
    const bool band = bandShown() || Hdetailcb->isChecked();
    ImageView *map = view_.mim1->isHidden() ? view_.mim2 : view_.mim1;
    const bool mapShown = !map->isHidden();
    const QPoint mapAt = map->pos() - QPoint(viewOffset, viewOffset);
    const std::array<int, 3> amplitudes{fampsb->value(), sampsb->value(), tampsb->value()};

    Animation animation;
    animation.size = view_.water->image().size();
    animation.interval = Timer1->interval();
    animation.period = static_cast<int>(period);
    if (addinter->isChecked())
        animation.note = tr("The average strip goes on adding up as on the screen, so "
                            "it may change a little from the last frame to the first.");
    animation.drawFrame = [this, field, lead, band, mapShown, mapAt, amplitudes,
                           bandParams = bandParams(), start = state_.bandsum, sums = state_.bandsum,
                           mapImage = QImage(map->image().size(), QImage::Format_RGB32)](
                              Canvas &canvas, int k) mutable {
        FieldParams now = field;
        for (std::size_t source = 0; source < now.T.size(); ++source)
            now.T[source] = (field.T[source] + lead + k) % (2 * field.P[source]);
        drawFieldAndPath(canvas, now);
        if (k == 0)
            sums = start;
        BandParams bandNow = bandParams;
        bandNow.sources = bandSources(now, amplitudes);
        if (band && k + lead == 0) {
            copyShownBand(canvas);
        } else if (band) {
            double peak = 0.0;
            drawBand(canvas, bandNow, sums, peak);
        }
        if (mapShown) {
            BitmapCanvas mapCanvas(mapImage);
            drawDetailMap(mapCanvas, bandNow);
            canvas.copyFrom(mapImage, mapImage.rect(), mapAt, CopyMode::Plain);
        }
    };
    return animation;
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
