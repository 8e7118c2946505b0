// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/animation.h"
#include "platform/setup_controls.h"

#include <QGroupBox>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace wave {

class Canvas;
struct SharedState;
struct SlitParams;
class WaveView;

// The single-slit product's group `sslit` with its controls and their handlers. The
// picture's parameters live in the sliders; the handlers update their labels and redraw.
class SlitPanel : public QGroupBox {
    Q_OBJECT
public:
    SlitPanel(WaveView &view, SharedState &state, QWidget *parent);

    QLabel *wlb;
    QScrollBar *pwavesb;
    QLabel *openlb;
    QScrollBar *openingsb;
    QLabel *wavesplb;
    QScrollBar *timeropen;
    QCheckBox *opentime;
    QPushButton *Starbt;
    QGroupBox *GroupBox6;
    QCheckBox *acb;
    QLabel *anlb, *ddlb;
    QPushButton *lihtbt;
    // The animation's tick, 300 ms until "Time  Factor" first moves.
    QTimer *Timer2;

    // How far the fronts have moved up; below lambda after every tick.
    int slitPhase = 0;

    // Draws the measuring protractor over the finished picture while " Measure Angle" is on.
    std::function<void(Canvas &)> probt;

    SlitParams slitParams() const;

    // The slit scene: redraws the whole wave view from the controls.
    void opening();
    // The slit picture drawn again onto another surface, with the protractor when it is on.
    void drawPicture(Canvas &canvas) const;
    // The fronts' animation for a recording, from the phase now, with the protractor when on.
    Animation animation() const;
    // The product's reset, run at every activation.
    void reset();
    // Everything a student can set in the group, by the controls' names; and the same taken
    // back, checked whole first: a fault changes nothing. What `values`
    // leave out is taken from `base`, else kept.
    SetupValues settings() const;
    SetupCheck apply(const SetupValues &values, const SetupValues &base = {});

    // handlers
    void pwavesbChange();
    void openingsbChange();
    void timeropenChange();
    void StarbtClick();
    void opentimeClick();
    void Timer2Timer();
    void acbClick();

private:
    void paint(Canvas &canvas, const SlitParams &params) const;
    void connectHandlers();
    void listSetupControls();

    WaveView &view_;
    SharedState &state_;
    SetupControls setup_;
};

} // namespace wave
