// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "huygens/huygens_pages.h"
#include "interference/interference_panel.h"
#include "measure/instruments.h"
#include "slit/slit_panel.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>

namespace wave {

namespace {

QPoint at(const QMouseEvent *event)
{
    return event->position().toPoint();
}

} // namespace

void TInterference::connectPointer()
{
    ImageView *water = Panel1->water;
    connect(water, &ImageView::pressed, this, [this](QMouseEvent *event) {
        pointer::press(*this, state, at(event).x(), at(event).y());
    });
    connect(water, &ImageView::moved, this, [this](QMouseEvent *event) {
        pointer::move(*this, state, at(event).x(), at(event).y());
    });
    connect(water, &ImageView::released, this, [this](QMouseEvent *event) {
        pointer::release(*this, state, at(event).x(), at(event).y());
        // The view's menu opens when the right button comes up, so that the click it took
        // has counted as a measuring click first.
        if (event->button() == Qt::RightButton)
            printtry->popup(event->globalPosition().toPoint());
    });
    // The keyboard drags the copy rectangle as the mouse does; Esc drops it uncopied.
    water->enableKeyboardDrag([this](QPoint) {
        const PointerControls c = controls();
        return c.copySelect && !c.crosshair;
    });
    connect(water, &ImageView::dragCancelled, Panel1->copyshape, &QWidget::hide);
    water->installEventFilter(this);
}

PointerControls TInterference::controls() const
{
    PointerControls controls;
    controls.product = product_;
    controls.crosshair = Panel1->water->cursor().shape() == Qt::CrossCursor;
    controls.copySelect = EnableCopySelect1->isChecked();
    controls.acb = sslit->acb->isChecked();
    controls.dcb = huygens->dcb->isChecked();
    controls.meacb = huygens->meacb->isChecked();
    controls.frontanal = huygens->frontanal->isChecked();
    controls.waveanal = huygens->waveanal->isChecked();
    controls.movecb = huygens->movecb->isChecked();
    controls.activeHuygensPage = huygens->activeHuygensPage;
    return controls;
}

void TInterference::placeMeasurePoint(int X, int Y)
{
    Varying->placeMeasurePoint(X, Y);
}

void TInterference::drawinter()
{
    Varying->drawinter();
}

void TInterference::lrbt()
{
    huygens->lrbt();
}

void TInterference::refractbttry()
{
    huygens->refractbttry();
}

void TInterference::opening()
{
    sslit->opening();
}

void TInterference::setCaption(MeasureLabel label, const QString &text)
{
    if (label == MeasureLabel::anlb) {
        sslit->anlb->setText(text);
        return;
    }
    QLabel *target = label == MeasureLabel::analis2  ? huygens->analis2
                     : label == MeasureLabel::Analis ? huygens->Analis
                                                     : nullptr;
    if (!target)
        return;
    target->setText(text);
    target->adjustSize();
    if (label == MeasureLabel::Analis)
        huygens->deglb->move(target->x() + target->width(), huygens->deglb->y());
}

// The Huygens pages leave the other products' animations and markers off, and lay the
// ruler or the protractor over their finished pictures.
void TInterference::connectHuygens()
{
    huygens->leaveOtherProducts = [this] {
        Varying->Showscreen->setChecked(false);
        Panel1->Center1->hide();
        Panel1->center2->hide();
        Panel1->center3->hide();
        Panel1->Center1->move(Panel1->Center1->x(), Panel1->center3->y());
        Panel1->center2->move(Panel1->center2->x(), Panel1->center3->y());
        if (Varying->timeron->isChecked())
            Varying->timeron->setChecked(false);
        if (sslit->opentime->isChecked())
            sslit->opentime->setChecked(false);
    };
    huygens->drawOverlay = [this](Canvas &canvas, bool ruler) {
        if (ruler)
            rulerbtClick(canvas,
                         {state.anchorPoint, state.rulerEnd, state.rulerAngle, state.colours});
        else
            probtClick(canvas, {state.anchorPoint, state.movingPoint, false, state.colours});
    };
}

void TInterference::showSelection(const QRect &frame)
{
    Panel1->copyshape->setGeometry(frame.translated(viewOffset, viewOffset));
    Panel1->copyshape->show();
}

bool TInterference::selectionShown() const
{
    return Panel1->copyshape->isVisible();
}

void TInterference::finishSelection()
{
    // The frame's rectangle of the picture goes to the clipboard through the scratch image;
    // a click without a drag copies nothing and leaves the clipboard as it was.
    const QRect frame = Panel1->copyshape->geometry().translated(-viewOffset, -viewOffset);
    if (!frame.isEmpty()) {
        QImage &scratch = Panel1->Image1->image();
        scratch = QImage(frame.size(), QImage::Format_RGB32);
        scratch.fill(Qt::white);
        BitmapCanvas(scratch).copyFrom(Panel1->water->image(), frame, QPoint(0, 0),
                                       CopyMode::Plain);
        services_.clipboard.setImage(scratch);
    }
    Panel1->copyshape->hide();
}

} // namespace wave
