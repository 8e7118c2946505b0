// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls.h"
#include "platform/export_files.h"
#include "slit/light_window.h"
#include "slit/pattern_csv.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

namespace wave {

void Tpattfrm::drawPicture(Canvas &canvas) const
{
    const PatternParams params = patternParams();
    // On the screen the grey mask is ANDed with the colour sample; here the mask's colours are.
    const QRgb sample = displaycolour.pixel(0, 0);
    drawPattern(canvas, params, colourCanvas_.pen().colour,
                params.blackAndWhite ? colour::white : sample);
    if (rulerShown_)
        drawRuler(canvas, measure.start, measure.end, params.blackAndWhite, colours_.mark);
}

void Tpattfrm::ExportPicture1Click()
{
    exportPictureFile(
        this, files_, dialogs_, outim->image(), [this](Canvas &canvas) { drawPicture(canvas); },
        windowTitle());
}

void Tpattfrm::ExportData1Click()
{
    const PatternSettings settings{QApplication::applicationName().trimmed(), patternParams(),
                                   scrlb->isHidden(), widthlb->isHidden(), wavelb->isHidden()};
    exportDataFile(this, files_, dialogs_, patternCsv(settings));
}

} // namespace wave
