// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QPainter;
class QCheckBox;
class QStackedWidget;
class QTabBar;

namespace wave {

// A tabbed notebook whose page-change handler runs before the new page is shown and gets
// its number, whether the user or the program turns the page.
class Notebook : public QWidget {
    Q_OBJECT
public:
    explicit Notebook(QWidget *parent = nullptr);

    QWidget *addPage(const QString &caption);
    QWidget *page(int index) const;
    void setPageCaption(int index, const QString &caption);
    QString pageCaption(int index) const;
    int pageIndex() const;
    int pageCount() const;
    void setPage(int index);
    QTabBar *tabBar() const { return tabs_; }

signals:
    void pageChanging(int index);

private:
    QTabBar *tabs_;
    QStackedWidget *pages_;
};

// A scroll bar that frames itself while it has the keyboard focus, as the other controls
// show theirs; Qt's own scroll bars look the same with the focus and without.
class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A scroll bar that carries an integer of its own, as the wavelength bars carry their
// source's phase offset.
class TaggedScrollBar : public ScrollBar {
    Q_OBJECT
public:
    using ScrollBar::ScrollBar;
    int tag = 0;
};

// A radio button that Tab reaches only while it is the checked one of its group (or the first
// while none is checked); the arrow keys reach the others. Qt's own rule gives the Tab stop to
// the button last focused, and takes it from every radio button under the same parent, those
// of an inner group box too.
class RadioButton : public QRadioButton {
    Q_OBJECT
public:
    RadioButton(const QString &text, QWidget *parent);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    void placeTabStops();
};

// A plain shape over the picture: a circle, a rectangle or a bar.
class ShapeLayer : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Circle, Rectangle };
    ShapeLayer(Kind kind, QColor pen, QColor fill, Qt::PenStyle penStyle, QWidget *parent);
    void setColours(QColor pen, QColor fill);
    // Draws the shape into the box with a pen of that width.
    void paintShape(QPainter &painter, const QRect &box, int penWidth) const;
    // Over a zoomed picture the picture draws the shape, enlarged, and the layer nothing.
    void setDrawnByPicture(bool drawn);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool drawnByPicture_ = false;
    Kind kind_;
    QColor pen_;
    QColor fill_;
    Qt::PenStyle penStyle_;
};

// Shows a bitmap that the program draws into; painting only copies it, pixel for pixel, and
// at a device pixel ratio above 1 enlarges it without smoothing.
class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(int width, int height, QWidget *parent);
    QImage &image() { return image_; }

    // Lets the keyboard point at the picture: with the focus, the arrow keys move a point
    // (one pixel, ten with Shift) as the mouse would, and Enter or Space clicks there with
    // the left button. The point shows as a small cross while the keyboard drives it.
    void enableKeyboardPointer();
    QPoint keyboardPoint() const { return keyPoint_; }
    // Lets the keyboard drag where `canPickUp` says a press at the point takes hold of
    // something: Enter (or Space) presses there and holds the button, the arrows move with it
    // held, Enter releases; Esc cancels, emitting dragCancelled() before it releases.
    void enableKeyboardDrag(std::function<bool(QPoint)> canPickUp);

    // Shows every picture pixel as a zoom x zoom block; the pointer's events arrive in
    // picture pixels whatever the zoom.
    void setZoom(int zoom);
    int zoom() const { return zoom_; }
    // Drawn over the picture after it, in the widget's own pixels.
    std::function<void(QPainter &)> overlay;
    // Where the overlay paints every pixel opaque: the picture is not drawn there first.
    std::function<QRegion()> overlayCover;
    // A layer over a zoomed picture that the picture below draws, enlarged, instead.
    void setDrawnByPicture(bool drawn);

signals:
    void pressed(QMouseEvent *event);
    void moved(QMouseEvent *event);
    void released(QMouseEvent *event);
    void dragCancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void emitMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons);
    // The event at the picture pixel under the pointer.
    QMouseEvent inPicture(const QMouseEvent *event) const;

    QImage image_;
    int zoom_ = 1;
    bool drawnByPicture_ = false;
    QPoint keyPoint_;
    bool keyboardDriven_ = false;
    std::function<bool(QPoint)> canPickUp_;
    bool dragging_ = false;
};

// Unchecks a radio button from the program. Qt ignores setChecked(false) on the checked
// button of an exclusive group, so exclusivity is lifted for the moment.
void uncheckRadio(QRadioButton *button);

// Runs `handler` whenever one of the buttons becomes checked, by the user or the program: the
// click handler of a radio button, which unchecking does not run.
void onRadioChecked(std::initializer_list<QRadioButton *> buttons, QObject *context,
                    const std::function<void()> &handler);

// The Start button of a wave animation: toggles the animation flag that lies under it and
// captions the button `stop` while the flag is checked, else `start`.
void toggleWaveAnimation(QCheckBox *flag, QAbstractButton *button, const QString &start,
                         const QString &stop);

// Selects a list item from the program without running any handler.
void selectSilently(QComboBox *list, int index);

// Runs `enter` when the widget gains the input focus and `leave` when it loses it. Focus
// lost to the widget's own drop-down popup or to another window is no leaving, and coming
// back from there no entering.
void onFocusChange(QWidget *widget, std::function<void()> enter, std::function<void()> leave);

// A drop-down list that screen readers know by its accessible name, as other controls: Qt's
// own lists give their current item as their name on Linux, so two lists holding "2" both
// read "2".
class NamedList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};

// A label whose text screen readers get from platform/readers rather than from Qt: an angle
// reading whose degree sign is a label of its own, or that sign.
class SpokenLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// A drop-down list (choice only) on a white field whose text may take a colour of its own:
// white hides the text while the arrow stays in the window's colour.
class ChoiceList : public NamedList {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget *parent);
    void setTextColour(QColor colour);
    QColor textColour() const { return text_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor text_;
};

} // namespace wave
