// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/slit_panel.h"

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/readers.h"
#include "slit/slit_scene.h"
#include "slit/slit_water.h"
#include "view/shared_state.h"
#include "view/simulated_water.h"
#include "view/wave_view.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace wave {

namespace {

QString wavelengthText(int wavelength)
{
    return SlitPanel::tr("Wavelength: %1").arg(wavelength);
}

QString widthText(int width)
{
    return SlitPanel::tr("Slit Width: %1").arg(width);
}

// The animation's tick in milliseconds at a "Time Factor" position.
int tickInterval(int timeFactor)
{
    return 400 - 5 * timeFactor;
}

} // namespace

SlitPanel::SlitPanel(WaveView &view, SharedState &state, QWidget *parent)
    : QGroupBox(tr("Single Slit"), parent), Timer2(new QTimer(this)), view_(view), state_(state)
{
    setObjectName(QStringLiteral("sslit"));
    setGeometry(88, 3, 585, 158);
    setAutoFillBackground(true);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(300);

    wlb = label(this, "wlb", tr("Wavelength: 10"), {16, 26, 180, 18});
    pwavesb = bar(this, "pwavesb", 3, 20, 10, 5, {16, 48, 180, 16});
    openlb = label(this, "openlb", tr("Slit Width: 20"), {16, 80, 180, 18});
    openingsb = bar(this, "openingsb", 2, 50, 20, 5, {16, 102, 180, 16});

    wavesplb = label(this, "wavesplb", tr("Time  Factor"), {216, 26, 140, 18});
    timeropen = bar(this, "timeropen", 1, 50, 3, 10, {216, 48, 140, 16});
    wavesplb->setEnabled(false);
    timeropen->setEnabled(false);
    // The animation flag lies under its button, covered by it.
    opentime = checkBox(this, "opentime", tr("Animate Wave Fronts"), {216, 84, 140, 20});
    opentime->setFocusPolicy(Qt::NoFocus);
    Starbt = button(this, "Starbt", tr("&Start Wave"), {216, 80, 140, 33});

    GroupBox6 = group(this, "GroupBox6", tr("Measure"), {378, 18, 190, 76});
    acb = checkBox(GroupBox6, "acb", tr(" Measure Angle"), {10, 22, 170, 20});
    auto *angle = label<SpokenLabel>(GroupBox6, "anlb", tr("Angle is 0.0°"), {12, 48, 170, 18});
    auto *mark = label<SpokenLabel>(GroupBox6, "ddlb", QStringLiteral("o"), {150, 44, 10, 12});
    readDegrees(angle, mark);
    anlb = angle;
    anlb->hide();
    ddlb = mark;
    ddlb->hide();
    lihtbt = button(this, "lihtbt", tr("&Light Diffraction"), {378, 104, 190, 33});

    nameForReaders({{pwavesb, QT_TRANSLATE_NOOP("Readers", "Wavelength")},
                    {openingsb, QT_TRANSLATE_NOOP("Readers", "Slit width")},
                    {timeropen, QT_TRANSLATE_NOOP("Readers", "Time factor")}});
    readLikeLabel(pwavesb, wavelengthText, tr("pixels"));
    readLikeLabel(openingsb, widthText, tr("pixels"));
    readAsSpeed(timeropen, tickInterval, tr("fronts"));
    keepFromReaders(opentime);
    connectHandlers();
    listSetupControls();
}

void SlitPanel::connectHandlers()
{
    connect(pwavesb, &QScrollBar::valueChanged, this, &SlitPanel::pwavesbChange);
    connect(openingsb, &QScrollBar::valueChanged, this, &SlitPanel::openingsbChange);
    connect(timeropen, &QScrollBar::valueChanged, this, &SlitPanel::timeropenChange);
    connect(Starbt, &QPushButton::clicked, this, &SlitPanel::StarbtClick);
    connect(opentime, &QCheckBox::toggled, this, &SlitPanel::opentimeClick);
    connect(Timer2, &QTimer::timeout, this, &SlitPanel::Timer2Timer);
    connect(acb, &QCheckBox::toggled, this, &SlitPanel::acbClick);
}

SlitParams SlitPanel::slitParams() const
{
    return SlitParams{pwavesb->value(), openingsb->value(), slitPhase, state_.colours};
}

void SlitPanel::drawPicture(Canvas &canvas) const
{
    paint(canvas, slitParams());
    describeForReaders(view_.water, describeSlit(slitParams()));
}

void SlitPanel::paint(Canvas &canvas, const SlitParams &params) const
{
    drawSlit(canvas, params);
    if (acb->isChecked() && probt)
        probt(canvas);
}

Animation SlitPanel::animation() const
{
    const int lambda = pwavesb->value();
    return steppedAnimation(
        view_.water->image().size(), Timer2->interval(), slitPhase,
        [lambda](int phase) { return nextPhase(phase, lambda); },
        [this, params = slitParams()](Canvas &canvas, int phase) mutable {
            params.phase = phase;
            paint(canvas, params);
        });
}

void SlitPanel::opening()
{
    drawPicture(view_.canvas());
    const SlitParams params = slitParams();
    state_.simulated->show([&](double now) { return slitWater(params, now); }, view_.water->image(),
                           params.colours);
    view_.water->update();
}

void SlitPanel::reset()
{
    timeropen->setValue(3);
    openingsb->setValue(20);
    pwavesb->setValue(10);
    opening();
}

void SlitPanel::pwavesbChange()
{
    wlb->setText(wavelengthText(pwavesb->value()));
    opening();
}

void SlitPanel::openingsbChange()
{
    openlb->setText(widthText(openingsb->value()));
    opening();
}

void SlitPanel::timeropenChange()
{
    Timer2->setInterval(tickInterval(timeropen->value()));
}

void SlitPanel::StarbtClick()
{
    toggleWaveAnimation(opentime, Starbt, tr("&Start Wave"), tr("&Stop Wave"));
}

void SlitPanel::opentimeClick()
{
    if (Timer2->isActive())
        Timer2->stop();
    else
        Timer2->start();
    timeropen->setEnabled(Timer2->isActive());
    wavesplb->setEnabled(Timer2->isActive());
}

void SlitPanel::Timer2Timer()
{
    slitPhase = nextPhase(slitPhase, pwavesb->value());
    state_.simulated->tick();
    opening();
}

void SlitPanel::acbClick()
{
    state_.anchorPoint = QPoint(0, 0);
    state_.movingPoint = QPoint(0, 0);
    state_.clickPhase = 0;
    anlb->setVisible(acb->isChecked());
    view_.water->setCursor(acb->isChecked() ? Qt::CrossCursor : Qt::ArrowCursor);
    opening();
}

} // namespace wave
