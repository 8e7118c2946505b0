#include "app/main_window.h"

#include "interference/interference_panel.h"
#include "slit/slit_panel.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

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
    water->installEventFilter(this);
}

PointerControls TInterference::controls() const
{
    PointerControls controls;
    controls.product = product_;
    controls.crosshair = Panel1->water->cursor().shape() == Qt::CrossCursor;
    controls.copySelect = EnableCopySelect1->isChecked();
    controls.waveanal = waveanal_;
    controls.acb = sslit->acb->isChecked();
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

// The Huygens scenes draw nothing yet; their measuring modes never come on.
void TInterference::lrbt()
{
}
void TInterference::refractbttry()
{
}

void TInterference::opening()
{
    sslit->opening();
}

void TInterference::setCaption(MeasureLabel label, const QString &text)
{
    if (label == MeasureLabel::anlb)
        sslit->anlb->setText(text);
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
    Panel1->copyshape->hide();
}

} // namespace wave
