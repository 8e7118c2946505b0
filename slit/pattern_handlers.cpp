// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/light_window.h"

#include "platform/about.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/form.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

namespace wave {

SlitKind Tpattfrm::slitKind() const
{
    return doubleslitrb->isChecked() ? SlitKind::Double : SlitKind::Single;
}

PatternParams Tpattfrm::patternParams() const
{
    return {slitKind(), scrsb->value(), widthsb->value(), wavesb->value(), bwcb->isChecked()};
}

void Tpattfrm::patternbt()
{
    const PatternParams params = patternParams();
    drawPattern(patternCanvas_, params, colourCanvas_.pen().colour);
    describeForReaders(outim, describePattern(params));
    outbt();
}

void Tpattfrm::colourbt()
{
    drawColourSample(colourCanvas_, wavesb->value());
}

void Tpattfrm::outbt()
{
    composePattern(*outCanvas_, displaycolour, patternim, bwcb->isChecked());
    rulerShown_ = false;
    outim->update();
}

void Tpattfrm::probt()
{
    drawRuler(*outCanvas_, measure.start, measure.end, bwcb->isChecked(), colours_.mark);
    rulerShown_ = true;
    outim->update();
}

void Tpattfrm::scrsbChange()
{
    scrlb->setText(screenText(scrsb->value()));
    patternbt();
}

void Tpattfrm::widthsbChange()
{
    widthlb->setText(slitText(slitKind(), widthsb->value()));
    // The bar is named for what its label says it sets.
    widthsb->setAccessibleName(slitKind() == SlitKind::Single ? tr("Slit width")
                                                              : tr("Slit separation"));
    patternbt();
}

void Tpattfrm::wavesbChange()
{
    wavelb->setText(wavelengthText(wavesb->value()));
    colourbt();
    patternbt();
}

void Tpattfrm::measurecbClick()
{
    const bool on = measurecb->isChecked();
    outim->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    measure.step = 0;
    mealb->setVisible(on);
    outbt();
}

void Tpattfrm::outimMouseUp(QPoint at)
{
    measure.release(at);
}

void Tpattfrm::outimMouseMove(QPoint at)
{
    if (!measurecb->isChecked())
        return;
    measure.move(at);
    mealb->setText(measure.lengthText());
    outbt();
    probt();
}

void Tpattfrm::FormMouseMove()
{
    measure.step = 0;
}

void Tpattfrm::Copy1Click()
{
    clipboard_.setImage(outim->image());
}

void Tpattfrm::About1Click()
{
    const QString product = QApplication::applicationName().trimmed();
    dialogs_.message(this, MessageKind::Information, tr("About %1").arg(product),
                     aboutText(product));
}

} // namespace wave
