// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls.h"
#include "platform/pixel_blocks.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace wave {

Notebook::Notebook(QWidget *parent)
    : QWidget(parent), tabs_(new QTabBar(this)), pages_(new QStackedWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    pages_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    // The tab bar changes first; the handler then runs while the old page is still shown.
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index < 0)
            return;
        emit pageChanging(index);
        pages_->setCurrentIndex(index);
    });
}

QWidget *Notebook::addPage(const QString &caption)
{
    auto *page = new QWidget;
    // The first tab makes the bar current at once; its page must exist by then.
    pages_->addWidget(page);
    const QSignalBlocker blocker(tabs_);
    tabs_->addTab(caption);
    return page;
}

QWidget *Notebook::page(int index) const
{
    return pages_->widget(index);
}

void Notebook::setPageCaption(int index, const QString &caption)
{
    tabs_->setTabText(index, caption);
}

QString Notebook::pageCaption(int index) const
{
    return tabs_->tabText(index);
}

int Notebook::pageIndex() const
{
    return pages_->currentIndex();
}

int Notebook::pageCount() const
{
    return pages_->count();
}

void Notebook::setPage(int index)
{
    tabs_->setCurrentIndex(index);
}

void ScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

RadioButton::RadioButton(const QString &text, QWidget *parent) : QRadioButton(text, parent)
{
    connect(this, &QRadioButton::toggled, this, &RadioButton::placeTabStops);
    placeTabStops();
}

void RadioButton::focusInEvent(QFocusEvent *event)
{
    QRadioButton::focusInEvent(event);
    placeTabStops();
}

void RadioButton::placeTabStops()
{
    // Every group of the window, since Qt's rule reaches past this button's own group.
    QHash<QWidget *, QList<QRadioButton *>> groups;
    for (QRadioButton *button : window()->findChildren<QRadioButton *>())
        if (button->autoExclusive() && !button->group())
            groups[button->parentWidget()] << button;
    for (const QList<QRadioButton *> &buttons : std::as_const(groups)) {
        const bool anyChecked = std::any_of(buttons.begin(), buttons.end(),
                                            [](QRadioButton *b) { return b->isChecked(); });
        for (QRadioButton *button : buttons) {
            const bool stop = anyChecked ? button->isChecked() : button == buttons.first();
            const Qt::FocusPolicy policy = button->focusPolicy();
            button->setFocusPolicy(stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                        : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    }
}

ShapeLayer::ShapeLayer(Kind kind, QColor pen, QColor fill, Qt::PenStyle penStyle, QWidget *parent)
    : QWidget(parent), kind_(kind), pen_(pen), fill_(fill), penStyle_(penStyle)
{
}

void ShapeLayer::setDrawnByPicture(bool drawn)
{
    drawnByPicture_ = drawn;
    update();
}

void ShapeLayer::paintEvent(QPaintEvent *)
{
    if (drawnByPicture_)
        return;
    QPainter painter(this);
    paintShape(painter, rect().adjusted(0, 0, -1, -1), 1);
}

void ShapeLayer::paintShape(QPainter &painter, const QRect &box, int penWidth) const
{
    painter.save();
    painter.setPen(QPen(pen_, penWidth, penStyle_));
    painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    if (kind_ == Kind::Circle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(box);
    } else {
        painter.drawRect(box);
    }
    painter.restore();
}

ImageView::ImageView(int width, int height, QWidget *parent)
    : QWidget(parent), image_(width, height, QImage::Format_RGB32), keyPoint_(width / 2, height / 2)
{
    image_.fill(Qt::white);
    setFixedSize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShapeLayer::setColours(QColor pen, QColor fill)
{
    pen_ = pen;
    fill_ = fill;
    update();
}

void ImageView::setZoom(int zoom)
{
    zoom_ = std::max(zoom, 1);
    setFixedSize(image_.size() * zoom_);
    update();
}

void ImageView::setDrawnByPicture(bool drawn)
{
    drawnByPicture_ = drawn;
    setAttribute(Qt::WA_OpaquePaintEvent, !drawn);
    update();
}

void ImageView::enableKeyboardPointer()
{
    setFocusPolicy(Qt::StrongFocus);
}

void ImageView::enableKeyboardDrag(std::function<bool(QPoint)> canPickUp)
{
    canPickUp_ = std::move(canPickUp);
}

void ImageView::paintEvent(QPaintEvent *)
{
    if (drawnByPicture_)
        return;
    QPainter painter(this);
    // Every picture pixel becomes a block of whole device pixels; a filter would blur the
    // one-pixel lines and dots the pictures are made of.
    drawPixelBlocks(painter, image_, zoom_, {}, overlayCover ? overlayCover() : QRegion());
    if (overlay)
        overlay(painter);
    if (keyboardDriven_ && hasFocus()) {
        // The cross stays one screen pixel thin, centred on the picture pixel's block.
        const QPoint centre = keyPoint_ * zoom_ + QPoint(zoom_ / 2, zoom_ / 2);
        // Drawn over the picture, never into it, so prints and copies stay clean.
        painter.setPen(QColor(255, 0, 255));
        painter.drawLine(centre - QPoint(6, 0), centre - QPoint(2, 0));
        painter.drawLine(centre + QPoint(2, 0), centre + QPoint(6, 0));
        painter.drawLine(centre - QPoint(0, 6), centre - QPoint(0, 2));
        painter.drawLine(centre + QPoint(0, 2), centre + QPoint(0, 6));
    }
}

QMouseEvent ImageView::inPicture(const QMouseEvent *event) const
{
    const QPoint at = event->position().toPoint();
    const QPointF local(std::floor(double(at.x()) / zoom_), std::floor(double(at.y()) / zoom_));
    return QMouseEvent(event->type(), local, event->globalPosition(), event->button(),
                       event->buttons(), event->modifiers());
}

void ImageView::mousePressEvent(QMouseEvent *event)
{
    QMouseEvent at = inPicture(event);
    emit pressed(&at);
}
void ImageView::mouseMoveEvent(QMouseEvent *event)
{
    // The keyboard goes on from wherever the mouse left the point.
    QMouseEvent at = inPicture(event);
    keyPoint_ = at.position().toPoint();
    if (keyboardDriven_) {
        keyboardDriven_ = false;
        update();
    }
    emit moved(&at);
}
void ImageView::mouseReleaseEvent(QMouseEvent *event)
{
    QMouseEvent at = inPicture(event);
    emit released(&at);
}

void ImageView::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint to = keyPoint_;
    switch (event->key()) {
    case Qt::Key_Left:
        to.rx() -= step;
        break;
    case Qt::Key_Right:
        to.rx() += step;
        break;
    case Qt::Key_Up:
        to.ry() -= step;
        break;
    case Qt::Key_Down:
        to.ry() += step;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        keyboardDriven_ = true;
        if (dragging_) {
            dragging_ = false;
        } else {
            const bool pickUp = canPickUp_ && canPickUp_(keyPoint_);
            emitMouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
            if (pickUp) {
                dragging_ = true;
                update();
                return;
            }
        }
        emitMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        update();
        return;
    case Qt::Key_Escape:
        if (!dragging_) {
            QWidget::keyPressEvent(event);
            return;
        }
        dragging_ = false;
        emit dragCancelled();
        emitMouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        update();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    keyboardDriven_ = true;
    keyPoint_ = QPoint(std::clamp(to.x(), 0, image_.width() - 1),
                       std::clamp(to.y(), 0, image_.height() - 1));
    emitMouse(QEvent::MouseMove, Qt::NoButton, dragging_ ? Qt::LeftButton : Qt::NoButton);
    update();
}

void ImageView::focusInEvent(QFocusEvent *event)
{
    keyboardDriven_ = event->reason() == Qt::TabFocusReason ||
                      event->reason() == Qt::BacktabFocusReason || keyboardDriven_;
    update();
    QWidget::focusInEvent(event);
}

void ImageView::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void ImageView::emitMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    // The same events the mouse would send at the point, so one handler serves both.
    const QPointF local(keyPoint_);
    QMouseEvent event(type, local, mapToGlobal(QPointF(keyPoint_ * zoom_)), button, buttons,
                      Qt::NoModifier);
    if (type == QEvent::MouseButtonPress)
        emit pressed(&event);
    else if (type == QEvent::MouseButtonRelease)
        emit released(&event);
    else
        emit moved(&event);
}

void toggleWaveAnimation(QCheckBox *flag, QAbstractButton *button, const QString &start,
                         const QString &stop)
{
    flag->toggle();
    button->setText(flag->isChecked() ? stop : start);
}

void uncheckRadio(QRadioButton *button)
{
    if (!button->isChecked())
        return;
    QButtonGroup *group = button->group();
    if (group) {
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
        return;
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void onRadioChecked(std::initializer_list<QRadioButton *> buttons, QObject *context,
                    const std::function<void()> &handler)
{
    for (QRadioButton *button : buttons)
        QObject::connect(button, &QRadioButton::toggled, context, [handler](bool checked) {
            if (checked)
                handler();
        });
}

void selectSilently(QComboBox *list, int index)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index);
}

namespace {

class FocusWatcher : public QObject {
public:
    FocusWatcher(QWidget *widget, std::function<void()> enter, std::function<void()> leave)
        : QObject(widget), enter_(std::move(enter)), leave_(std::move(leave))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
            return false;
        // The focus moving to the widget's own drop-down, or to another window and back (a
        // dialog opened by the handler itself), is no moving between controls.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return false;
        if (event->type() == QEvent::FocusIn && enter_)
            enter_();
        else if (event->type() == QEvent::FocusOut && leave_)
            leave_();
        return false;
    }

private:
    std::function<void()> enter_;
    std::function<void()> leave_;
};

} // namespace

void onFocusChange(QWidget *widget, std::function<void()> enter, std::function<void()> leave)
{
    new FocusWatcher(widget, std::move(enter), std::move(leave));
}

ChoiceList::ChoiceList(QWidget *parent)
    : NamedList(parent), text_(palette().color(QPalette::WindowText))
{
}

void ChoiceList::setTextColour(QColor colour)
{
    text_ = colour;
    update();
}

void ChoiceList::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.palette.setColor(QPalette::Button, option.palette.color(QPalette::Base));
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.palette.setColor(QPalette::ButtonText, text_);
    option.palette.setColor(QPalette::Text, text_);
    painter.setPen(text_);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace wave
