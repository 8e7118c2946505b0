// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/animation.h"
#include "platform/controls.h"
#include "platform/setup_controls.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace wave {

class Canvas;
class ChoiceList;

struct BandParams;
struct FieldParams;
struct NodePathParams;
struct SharedState;
class WaveView;

// The interference product's notebook `Varying` with its controls and their handlers.
// The simulation parameters live in the controls; the handlers read them, update their
// labels and redraw the field.
class InterferencePanel : public Notebook {
    Q_OBJECT
public:
    InterferencePanel(WaveView &view, SharedState &state, QWidget *parent);

    // The "Node Path" item of the view menu, enabled by the source handlers.
    QAction *nodepath1;
    // The animation's tick, 200 ms until "Time Factor" first moves.
    QTimer *Timer1;

    // "&Wavelengths"
    QGroupBox *GroupBox3;
    QLabel *fpoint, *spoint, *tpoint;
    TaggedScrollBar *C1space, *c2space, *c3space;
    QLabel *famp, *samp, *tamp;
    QScrollBar *fampsb, *sampsb, *tampsb;
    QLabel *per;
    QScrollBar *perc;
    QRadioButton *unlocked, *locked;

    // "&Source Separation"
    QLabel *Label6;
    QComboBox *Numpoints;
    QGroupBox *GroupBox1;
    QLabel *Label3;
    ChoiceList *fraction;
    QLabel *Label1;
    QScrollBar *Smooth;
    QPushButton *prntbt;

    // "&Animation Controls"
    QCheckBox *timeron;
    QPushButton *sbt;
    QCheckBox *colourbx;
    QGroupBox *timergb;
    QCheckBox *Showscreen, *addinter, *Hdetailcb, *BandW;
    QLabel *Label15;
    QScrollBar *timerate;
    QPushButton *Lightbt;

    // "&Measurements"
    QGroupBox *opgb;
    QCheckBox *measurecb, *bicb;
    QRadioButton *screenrb, *anyrb;
    // The band from the formula, or from the simulated water while it is on.
    QRadioButton *formularb, *simulatedrb;
    QGroupBox *dgb;
    QLabel *d1lb, *d2lb, *changelb, *bisectlb, *centerlb, *bianglelb, *bideglb, *Label16;

    int sourceCount() const;
    FieldParams fieldParams() const;
    BandParams bandParams() const;
    BandParams formulaBandParams() const;
    void addWater(BandParams &params) const; // the simulated water on the band line
    NodePathParams nodePathParams() const;
    // The instantaneous or the average strip is on.
    bool bandShown() const;

    // The field renderer: redraws the whole wave view from the controls.
    void drawinter();
    // The view's picture drawn again onto another surface: the field, the node path, and the
    // band's strip taken from the view as the bitmap it is.
    void drawPicture(Canvas &canvas) const;
    // The rings' animation for a recording, from the offsets now: the field, the node path,
    // the band going on from the average so far and the detail map when it is shown.
    Animation animation() const;
    // The band as comma-separated values headed by the product's name and the settings; empty
    // while neither strip is shown.
    QByteArray bandData(const QString &product) const;
    // The product's reset, run at every activation.
    void reset();
    // Everything a student can set here, by the controls' names; and the same taken back,
    // checked whole first: a fault changes nothing. What `values`
    // leave out is taken from `base`, else kept.
    SetupValues settings() const;
    SetupCheck apply(const SetupValues &values, const SetupValues &base = {});

    // handlers
    void C1spaceChange(TaggedScrollBar *sender);
    void percChange();
    void lockedClick();
    void unlockedClick();
    void NumpointsChange();
    void fractionExit();
    void fractionEnter();
    void SmoothChange();
    void measurecbClick();
    void screenrbClick();
    // The band redraw: the detail map into its hidden buffer, then the band over the view.
    void screenbtClick();
    void ShowscreenClick();
    void movescreenChange();
    void BandWClick();
    // Moves the measure point for a press at the view point (X, Y), writes the page.
    void placeMeasurePoint(int X, int Y);
    void sbtClick();
    void timeronClick();
    void Timer1Timer();
    void timerateChange();
    void nodepath1Click();
    // The node path over the rings, on the surface the field was last drawn on.
    void nodepathbtClick();
    void TwopointInterference1Click();

private:
    void buildWavelengthsPage(QWidget *page);
    void buildSeparationPage(QWidget *page);
    void buildAnimationPage(QWidget *page);
    void buildMeasurementsPage(QWidget *page);
    void connectHandlers();
    // Names, values and relations for screen readers that the controls do not carry.
    void tellReaders();
    // Tells readers what the wave view shows and what it does not show of the sources.
    void describeView(const FieldParams &params);
    void resetPhaseOffsets();
    void drawFieldAndPath(Canvas &canvas, const FieldParams &params) const;
    void copyShownBand(Canvas &canvas) const;
    void listSetupControls();

    WaveView &view_;
    SharedState &state_;
    SetupControls setup_;
};

} // namespace wave
