// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/animation.h"
#include "platform/setup_controls.h"

#include <QObject>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace wave {

class Canvas;
class Notebook;
class WaveView;
struct SharedState;
struct WaveletRowParams;
struct WavefrontParams;

// The controls of the Huygens product's two notebook pages and their handlers.
class HuygensPages : public QObject {
    Q_OBJECT
public:
    HuygensPages(Notebook &notebook, WaveView &view, SharedState &state);

    // Set by the main window: what the other products turn off when a page changes, and
    // the ruler (true) or protractor (false) drawn over a finished picture.
    std::function<void()> leaveOtherProducts;
    std::function<void(Canvas &, bool ruler)> drawOverlay;

    // "Huygens' Principle"
    QLabel *numsourceslb, *pointseplb, *wsplb, *periodlb, *lrlb, *numwflb, *Label7;
    QScrollBar *numsourcessb, *pointsepsb, *timerwavesb, *wlwvfrsb, *lrsb, *numwvwfsb, *wavefrontsb;
    QRadioButton *simrb, *movingrb;
    QPushButton *stabt, *rbt;
    QCheckBox *timerwave;
    QGroupBox *GroupBox7;
    QCheckBox *dcb;
    QLabel *analis2;
    QTimer *lrtimer;
    int waveletTime = 0;

    // "Wavefront Interactions"
    QGroupBox *GroupBox5;
    QLabel *speedlb, *wavelengthlb, *wavefrontlb, *anglelb, *degglb, *relindexlb, *Label12,
        *Label10;
    QScrollBar *Speedsb, *wlsb, *wavefsb, *anglesb, *wavesb, *timersb, *pointsep;
    QRadioButton *refrarb, *reflrb;
    QCheckBox *Showraycb, *movecb, *meacb;
    QPushButton *stbt, *Resetbt;
    QGroupBox *ho;
    QRadioButton *waveanal, *frontanal;
    QLabel *Analis, *deglb;
    QTimer *Timer4;
    int frontTime = 0;

    int activeHuygensPage = 0;

    WaveletRowParams waveletRowParams() const;
    WavefrontParams wavefrontParams() const;

    void lrbt();
    void refractbttry();
    // The shown page's picture drawn again onto another surface, with its measuring overlay.
    void drawPicture(Canvas &canvas) const;
    // The shown page's animation for a recording, from its time now, with the overlay on it.
    Animation animation() const;
    // The product's reset, run at every activation; leaves the notebook on its second page.
    void reset();
    void deactivate();
    // Everything a student can set on the two pages, by the controls' names; and the same
    // taken back, checked whole first: a fault changes nothing. What `values`
    // leave out is taken from `base`, else kept.
    SetupValues settings() const;
    SetupCheck apply(const SetupValues &values, const SetupValues &base = {});

    void movingrbClick();
    void rbtClick();
    void stabtClick();
    void lrtimerTimer();
    void dcbClick();
    void huynbChange(int NewTab);
    void SpeedsbChange();
    void wavesbChange();
    void wavefsbChange();
    void anglesbChange();
    void timersbChange();
    void refrarbClick();
    void stbtClick();
    void ResetbtClick();
    void meacbClick();
    void waveanalClick();
    void Timer4Timer();

private:
    void buildWaveletPage(QWidget *page);
    void buildWavefrontPage(QWidget *page);
    void connectHandlers();
    // Values and names for screen readers that the controls do not carry.
    void tellReaders();
    void paintWaveletRow(Canvas &canvas, const WaveletRowParams &params) const;
    void paintWavefronts(Canvas &canvas, const WavefrontParams &params) const;
    void listSetupControls();

    Notebook &notebook_;
    WaveView &view_;
    SharedState &state_;
    SetupControls setup_;
};

} // namespace wave
