#include "app/main_window.h"

#include "interference/interference_panel.h"
#include "view/wave_view.h"

#include <QAction>
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

// The Huygens and single-slit scenes draw nothing yet; their measuring modes never come on.
void TInterference::lrbt()
{
}
void TInterference::refractbttry()
{
}
void TInterference::opening()
{
}
void TInterference::setCaption(MeasureLabel, const QString &)
{
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
