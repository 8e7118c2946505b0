// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measure/practice_protractor.h"
#include "measure/practice_rays.h"
#include "measure/practice_ruler.h"
#include "platform/bitmap_canvas.h"

#include <QDialog>

#include <optional>

#include <array>
#include <functional>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace wave {

class Dialogs;
class ImageView;
class Notebook;
class RandomSource;
class ShapeLayer;

// The measurement practice window: a task drawn into `proim` on each of three pages, the
// pointer to measure it with, and "&Check" to judge the answer. It is made once at start-up
// and shown modally with exec(); every opening starts on the protractor page, while tasks
// and measurements stay from one opening to the next.
class TProfrm : public QDialog {
    Q_OBJECT
public:
    // Draws the first protractor task.
    TProfrm(Dialogs &dialogs, RandomSource &random, QWidget *parent = nullptr);

    // F1 opens the help at this window's page; the main window provides it.
    QAction *Contents1;
    std::function<void()> showHelp;

    ImageView *proim;
    Notebook *practicenb;
    QPushButton *Checkbt, *nextbt, *Returnbt;

    // "&Protractor"
    QLabel *Label1;
    QRadioButton *Normalrb, *linerb;
    QGroupBox *anggb;
    QRadioButton *Ang1rb, *ang2rb;

    // "&Ruler"
    QLabel *Label2, *anallb;
    QRadioButton *pointsrb, *wavefrontrb, *pandlrb;

    // "&Ray Movement"
    QLabel *Label3, *hintlb;
    ShapeLayer *csh, *msh, *lsh, *dsh;

    // Runs the opening, then shows the window modally until it is closed.
    int exec() override;
    // The opening: the protractor page with its click steps from the start.
    void FormActivate();
    // The picture zoom times as large, the controls below it; and its colours.
    void setZoom(int zoom);
    void setColours(const Palette &colours);

    const Measuring &measuring() const { return measuring_; }
    const AngleTask &angleTask() const { return angle_; }
    const RulerTask &rulerTask() const { return ruler_; }
    const RayLesson &rayLesson() const { return lesson_; }
    const Handles &handles() const { return handles_; }

    // handlers
    void practicenbChange(int page);
    void nextbtClick();
    void plotbt();
    // What the practice picture shows, for screen readers.
    QString description() const;
    void CheckbtClick();
    void NormalrbClick();
    void wavefrontrbClick();
    void proimMouseMove(int X, int Y);
    void proimMouseUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildProtractorPage(QWidget *page);
    void buildRulerPage(QWidget *page);
    void buildRayPage(QWidget *page);
    void connectHandlers();
    void FormCreate();
    // The handle reset: every handle back to the lesson's start.
    void resetbt();
    void placeHandles();
    void handleMouseMove(Handle handle, QPoint at);
    // The handle whose shape covers the picture point, if any.
    std::optional<Handle> handleAt(QPoint at) const;
    std::array<ShapeLayer *, 4> handleShapes() const { return {csh, msh, lsh, dsh}; }

    BitmapCanvas canvas_;
    Dialogs &dialogs_;
    RandomSource &random_;
    int page_ = 0; // the page being shown, known to the page-change handler before it shows
    Measuring measuring_;
    AngleTask angle_;
    RulerTask ruler_;
    RayLesson lesson_;
    Handles handles_;
    bool handledrag_ = false;
    Palette colours_;
    QFrame *lower_;
    // A handle the keyboard took hold of on the picture, and where the handles were then.
    std::optional<Handle> keyHeld_;
    Handles heldFrom_;
};

} // namespace wave
