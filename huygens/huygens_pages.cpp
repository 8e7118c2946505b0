// SPDX-License-Identifier: GPL-3.0-or-later
#include "huygens/huygens_pages.h"

#include "platform/language.h"

#include "huygens/wavefront.h"
#include "huygens/wavefront_water.h"
#include "huygens/wavelet_row.h"
#include "huygens/wavelet_water.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/readers.h"
#include "view/shared_state.h"
#include "view/simulated_water.h"
#include "view/wave_view.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace wave {

namespace {

// A label as wide as its text, which it follows as the text changes.
template <class Label = QLabel>
Label *caption(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    Label *l = label<Label>(parent, name, text, {x, y, 0, 0});
    l->adjustSize();
    return l;
}

QScrollBar *slider(QWidget *parent, const char *name, int lo, int hi, int value, int x, int y,
                   int large = 1)
{
    return bar(parent, name, lo, hi, value, large, {x, y, 150, 16});
}

void setText(QLabel *l, const QString &text)
{
    l->setText(text);
    l->adjustSize();
}

// Labels that show a bar's position, each translated where it is shown.
const char *const speedPrefix = QT_TRANSLATE_NOOP("wave::HuygensPages", "Wave Speed: %1");
const char *const wavelengthPrefix = QT_TRANSLATE_NOOP("wave::HuygensPages", "Wavelength: %1");
const char *const refractedPrefix =
    QT_TRANSLATE_NOOP("wave::HuygensPages", "Refracted Wave Speed: %1");
const char *const frontsPrefix = QT_TRANSLATE_NOOP("wave::HuygensPages", "# of Fronts: %1");

QString withPrefix(const char *prefix, int v)
{
    return QCoreApplication::translate("wave::HuygensPages", prefix).arg(v);
}

std::function<QString(int)> prefixed(const char *prefix)
{
    return [prefix](int v) { return withPrefix(prefix, v); };
}

QString timeStep(int v, int maximum)
{
    return HuygensPages::tr("Time step %1 of %2").arg(v).arg(maximum);
}

QString periodText(int P)
{
    return HuygensPages::tr("Period: %1 s").arg(shownNumber(P / 10.0, 1));
}

QString angleText(int a)
{
    return HuygensPages::tr("Angle: %1").arg(shownNumber(a == 1 ? 0 : a / 10.0, 1));
}

} // namespace

HuygensPages::HuygensPages(Notebook &notebook, WaveView &view, SharedState &state)
    : QObject(&notebook), notebook_(notebook), view_(view), state_(state)
{
    buildWaveletPage(notebook.page(0));
    buildWavefrontPage(notebook.page(1));
    nameForReaders({{numsourcessb, QT_TRANSLATE_NOOP("Readers", "Number of sources")},
                    {pointsepsb, QT_TRANSLATE_NOOP("Readers", "Point separation of the wavelets")},
                    {timerwavesb, QT_TRANSLATE_NOOP("Readers", "Wave speed of the wavelets")},
                    {wlwvfrsb, QT_TRANSLATE_NOOP("Readers", "Period")},
                    {numwvwfsb, QT_TRANSLATE_NOOP("Readers", "Number of waves")},
                    {lrsb, QT_TRANSLATE_NOOP("Readers", "Sequential speed")},
                    {wavefrontsb, QT_TRANSLATE_NOOP("Readers", "Time set of the wavelets")},
                    {Speedsb, QT_TRANSLATE_NOOP("Readers", "Wave speed of the incoming wave")},
                    {wlsb, QT_TRANSLATE_NOOP("Readers", "Wavelength of the incoming wave")},
                    {wavefsb, QT_TRANSLATE_NOOP("Readers", "Number of fronts")},
                    {anglesb, QT_TRANSLATE_NOOP("Readers", "Angle of the incoming wave")},
                    {wavesb, QT_TRANSLATE_NOOP("Readers", "Refracted wave speed")},
                    {timersb, QT_TRANSLATE_NOOP("Readers", "Time set of the wavefronts")},
                    {pointsep, QT_TRANSLATE_NOOP("Readers", "Point separation of the boundary")}});
    tellReaders();
    connectHandlers();
    listSetupControls();
}

void HuygensPages::tellReaders()
{
    readLikeLabel(wlwvfrsb, periodText, tr("seconds"));
    readLikeLabel(Speedsb, prefixed(speedPrefix));
    readLikeLabel(wlsb, prefixed(wavelengthPrefix), tr("pixels"));
    readLikeLabel(wavesb, prefixed(refractedPrefix));
    readLikeLabel(wavefsb, prefixed(frontsPrefix), tr("fronts"));
    readLikeLabel(anglesb, angleText, tr("degrees"));
    for (QScrollBar *time : {wavefrontsb, timersb})
        readInWords(time, [maximum = time->maximum()](int v) { return timeStep(v, maximum); });
    readInWords(pointsep, [](int v) { return tr("Boundary points %1 pixels apart").arg(v); });
    keepFromReaders(timerwave);
    keepFromReaders(movecb);
}

void HuygensPages::buildWaveletPage(QWidget *page)
{
    numsourceslb = caption(page, "numsourceslb", tr("Number of Sources: 20"), 8, 4);
    numsourcessb = slider(page, "numsourcessb", 1, 50, 20, 8, 22);
    pointseplb = caption(page, "pointseplb", tr("Point Separation: 15"), 8, 44);
    pointsepsb = slider(page, "pointsepsb", 1, 50, 15, 8, 62);
    wsplb = caption(page, "wsplb", tr("Wave Speed: 10"), 8, 84);
    timerwavesb = slider(page, "timerwavesb", 1, 20, 10, 8, 102, 5);
    periodlb = caption(page, "periodlb", periodText(50), 170, 4);
    wlwvfrsb = slider(page, "wlwvfrsb", 1, 100, 50, 170, 22);
    numwflb = caption(page, "numwflb", tr("Number of Waves: 1"), 170, 44);
    numwvwfsb = slider(page, "numwvwfsb", 1, 10, 1, 170, 62, 5);
    lrlb = caption(page, "lrlb", tr("Sequential Speed: 30"), 170, 84);
    lrsb = slider(page, "lrsb", 10, 50, 30, 170, 102);
    lrlb->hide();
    lrsb->hide();
    Label7 = caption(page, "Label7", tr("Time Set"), 340, 4);
    wavefrontsb = slider(page, "wavefrontsb", 1, 100, 1, 340, 22, 5);
    wavefrontsb->setSingleStep(2);
    simrb = radio(page, "simrb", tr(" &Simultaneous"), {340, 48, 150, 20});
    movingrb = radio(page, "movingrb", tr(" Se&quential"), {340, 70, 150, 20});
    simrb->setChecked(true);
    timerwave = checkBox(page, "timerwave", tr(" Animate Wave"), {510, 22, 90, 26});
    timerwave->setFocusPolicy(Qt::NoFocus); // under the Start button, changed only through it
    stabt = button(page, "stabt", tr("S&tart Wave"), {510, 22, 90, 26});
    rbt = button(page, "rbt", tr("&Reset"), {510, 56, 90, 26});
    GroupBox7 = group(page, "GroupBox7", tr("Measure"), {606, 4, 106, 80});
    dcb = checkBox(GroupBox7, "dcb", tr(" Distance"), {8, 22, 95, 20});
    analis2 = caption(GroupBox7, "analis2", tr("Distance: 0.0"), 8, 48);
    analis2->hide();
    lrtimer = new QTimer(this);
    lrtimer->setObjectName(QStringLiteral("lrtimer"));
    lrtimer->setInterval(100);
}

void HuygensPages::buildWavefrontPage(QWidget *page)
{
    // Three columns: the incoming wave's group, the bars of the boundary and the time, and
    // the modes, buttons and measuring choices, each wide enough for its longest caption.
    GroupBox5 = group(page, "GroupBox5", tr("Incoming Wave"), {4, 0, 330, 140});
    speedlb = caption(GroupBox5, "speedlb", tr("Wave Speed: 15"), 8, 18);
    Speedsb = slider(GroupBox5, "Speedsb", 2, 50, 15, 8, 36);
    wavelengthlb = caption(GroupBox5, "wavelengthlb", tr("Wavelength: 50"), 8, 60);
    wlsb = slider(GroupBox5, "wlsb", 20, 100, 50, 8, 78);
    wavefrontlb = caption(GroupBox5, "wavefrontlb", tr("# of Fronts: 1"), 170, 18);
    wavefsb = slider(GroupBox5, "wavefsb", 1, 10, 1, 170, 36);
    auto *angle = caption<SpokenLabel>(GroupBox5, "anglelb", angleText(450), 170, 60);
    auto *angleMark = caption<SpokenLabel>(GroupBox5, "degglb", QStringLiteral("o"), 0, 56);
    readDegrees(angle, angleMark);
    anglelb = angle;
    degglb = angleMark;
    anglesb = slider(GroupBox5, "anglesb", 1, 890, 450, 170, 78, 20);
    degglb->move(anglelb->x() + anglelb->width(), degglb->y());
    relindexlb = caption(page, "relindexlb", tr("Refracted Wave Speed: 10"), 342, 4);
    wavesb = slider(page, "wavesb", 2, 50, 10, 342, 22);
    Label12 = caption(page, "Label12", tr("Time Set"), 342, 44);
    timersb = slider(page, "timersb", 0, 700, 0, 342, 62);
    Label10 = caption(page, "Label10", tr("Point Separation"), 342, 84);
    pointsep = slider(page, "pointsep", 5, 30, 10, 342, 102);
    refrarb = radio(page, "refrarb", tr(" Refraction"), {508, 2, 98, 21});
    reflrb = radio(page, "reflrb", tr(" Reflection"), {610, 2, 100, 21});
    refrarb->setChecked(true);
    Showraycb = checkBox(page, "Showraycb", tr(" Show Ra&ys"), {508, 23, 98, 21});
    meacb = checkBox(page, "meacb", tr(" &Measure"), {610, 23, 100, 21});
    movecb = checkBox(page, "movecb", tr(" Animate"), {508, 46, 98, 25});
    movecb->setFocusPolicy(Qt::NoFocus);
    stbt = button(page, "stbt", tr("&Start Wave"), {508, 46, 98, 25});
    Resetbt = button(page, "Resetbt", tr("&Reset"), {610, 46, 100, 25});
    ho = group(page, "ho", tr("Wavefront Measurements"), {508, 74, 202, 64});
    waveanal = radio(ho, "waveanal", tr(" Angle"), {6, 18, 90, 21});
    frontanal = radio(ho, "frontanal", tr(" Length"), {100, 18, 96, 21});
    waveanal->setChecked(true);
    auto *reading = caption<SpokenLabel>(ho, "Analis", tr("Angle = 0"), 8, 40);
    auto *readingMark = caption<SpokenLabel>(ho, "deglb", QStringLiteral("o"), 120, 36);
    readDegrees(reading, readingMark);
    Analis = reading;
    Analis->hide();
    deglb = readingMark;
    deglb->hide();
    Timer4 = new QTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(100);
}

void HuygensPages::connectHandlers()
{
    const auto labelled = [this](QScrollBar *bar, QLabel *l, const char *prefix,
                                 const QString &unit) {
        connect(bar, &QScrollBar::valueChanged, this, [this, l, prefix](int v) {
            setText(l, withPrefix(prefix, v));
            lrbt();
        });
        readLikeLabel(bar, prefixed(prefix), unit);
    };
    labelled(numsourcessb, numsourceslb,
             QT_TRANSLATE_NOOP("wave::HuygensPages", "Number of Sources: %1"), tr("sources"));
    labelled(pointsepsb, pointseplb,
             QT_TRANSLATE_NOOP("wave::HuygensPages", "Point Separation: %1"), tr("pixels"));
    labelled(timerwavesb, wsplb, speedPrefix, QString());
    labelled(lrsb, lrlb, QT_TRANSLATE_NOOP("wave::HuygensPages", "Sequential Speed: %1"),
             QString());
    labelled(numwvwfsb, numwflb, QT_TRANSLATE_NOOP("wave::HuygensPages", "Number of Waves: %1"),
             tr("waves"));
    connect(wlwvfrsb, &QScrollBar::valueChanged, this, [this](int v) {
        state_.clickPhase = 0;
        setText(periodlb, periodText(v));
        lrbt();
    });
    connect(wavefrontsb, &QScrollBar::valueChanged, this, [this](int v) {
        waveletTime = v;
        lrbt();
    });
    onRadioChecked({simrb, movingrb}, this, [this] { movingrbClick(); });
    connect(rbt, &QPushButton::clicked, this, &HuygensPages::rbtClick);
    connect(stabt, &QPushButton::clicked, this, &HuygensPages::stabtClick);
    connect(timerwave, &QCheckBox::toggled, this,
            [this] { lrtimer->isActive() ? lrtimer->stop() : lrtimer->start(); });
    connect(lrtimer, &QTimer::timeout, this, &HuygensPages::lrtimerTimer);
    connect(dcb, &QCheckBox::toggled, this, &HuygensPages::dcbClick);

    connect(Speedsb, &QScrollBar::valueChanged, this, &HuygensPages::SpeedsbChange);
    connect(pointsep, &QScrollBar::valueChanged, this, &HuygensPages::SpeedsbChange);
    connect(wavesb, &QScrollBar::valueChanged, this, &HuygensPages::wavesbChange);
    connect(wlsb, &QScrollBar::valueChanged, this, &HuygensPages::wavesbChange);
    connect(wavefsb, &QScrollBar::valueChanged, this, &HuygensPages::wavefsbChange);
    connect(anglesb, &QScrollBar::valueChanged, this, &HuygensPages::anglesbChange);
    connect(timersb, &QScrollBar::valueChanged, this, &HuygensPages::timersbChange);
    onRadioChecked({refrarb, reflrb}, this, [this] { refrarbClick(); });
    connect(Showraycb, &QCheckBox::toggled, this, &HuygensPages::refractbttry);
    connect(stbt, &QPushButton::clicked, this, &HuygensPages::stbtClick);
    connect(movecb, &QCheckBox::toggled, this,
            [this] { Timer4->isActive() ? Timer4->stop() : Timer4->start(); });
    connect(Resetbt, &QPushButton::clicked, this, &HuygensPages::ResetbtClick);
    connect(meacb, &QCheckBox::toggled, this, &HuygensPages::meacbClick);
    onRadioChecked({waveanal, frontanal}, this, [this] { waveanalClick(); });
    connect(Timer4, &QTimer::timeout, this, &HuygensPages::Timer4Timer);
    connect(&notebook_, &Notebook::pageChanging, this, &HuygensPages::huynbChange);
}

WaveletRowParams HuygensPages::waveletRowParams() const
{
    return {numsourcessb->value(), pointsepsb->value(),   timerwavesb->value(),
            wlwvfrsb->value(),     lrsb->value(),         numwvwfsb->value(),
            waveletTime,           movingrb->isChecked(), state_.colours};
}

WavefrontParams HuygensPages::wavefrontParams() const
{
    return {Speedsb->value(),       wlsb->value(), wavefsb->value(),  anglesb->value(),
            wavesb->value(),        frontTime,     pointsep->value(), refrarb->isChecked(),
            Showraycb->isChecked(), state_.colours};
}

void HuygensPages::paintWaveletRow(Canvas &canvas, const WaveletRowParams &params) const
{
    drawWaveletRow(canvas, params);
    if (dcb->isChecked() && drawOverlay)
        drawOverlay(canvas, true);
}

void HuygensPages::paintWavefronts(Canvas &canvas, const WavefrontParams &params) const
{
    drawWavefronts(canvas, params);
    if (meacb->isChecked() && drawOverlay)
        drawOverlay(canvas, frontanal->isChecked());
}

void HuygensPages::drawPicture(Canvas &canvas) const
{
    if (activeHuygensPage == 0)
        paintWaveletRow(canvas, waveletRowParams());
    else
        paintWavefronts(canvas, wavefrontParams());
}

Animation HuygensPages::animation() const
{
    const QSize size = view_.water->image().size();
    if (activeHuygensPage == 0) {
        const int last = wavefrontsb->maximum();
        return steppedAnimation(
            size, lrtimer->interval(), waveletTime,
            [last](int t) { return nextWaveletTime(t, last); },
            [this, params = waveletRowParams()](Canvas &canvas, int t) mutable {
                params.t = t;
                paintWaveletRow(canvas, params);
            });
    }
    const int last = timersb->maximum();
    return steppedAnimation(
        size, Timer4->interval(), frontTime, [last](int tau) { return nextFrontTime(tau, last); },
        [this, params = wavefrontParams()](Canvas &canvas, int tau) mutable {
            params.tau = tau;
            paintWavefronts(canvas, params);
        });
}

void HuygensPages::lrbt()
{
    const WaveletRowParams params = waveletRowParams();
    paintWaveletRow(view_.canvas(), params);
    describeForReaders(view_.water, describeWaveletRow(params));
    state_.simulated->show([&](double now) { return waveletRowWater(params, now); },
                           view_.water->image(), params.colours);
    view_.water->update();
}

void HuygensPages::refractbttry()
{
    const WavefrontParams params = wavefrontParams();
    paintWavefronts(view_.canvas(), params);
    describeForReaders(view_.water, describeWavefronts(params));
    state_.simulated->show([&](double now) { return wavefrontWater(params, now); },
                           view_.water->image(), params.colours);
    view_.water->update();
}

void HuygensPages::reset()
{
    numsourcessb->setValue(20);
    pointsepsb->setValue(15);
    timerwavesb->setValue(10);
    wlwvfrsb->setValue(50);
    lrsb->setValue(30);
    numwvwfsb->setValue(1);
    simrb->setChecked(true);
    rbt->click();
    Speedsb->setValue(15);
    wlsb->setValue(50);
    wavefsb->setValue(1);
    anglesb->setValue(450);
    wavesb->setValue(10);
    timersb->setValue(0);
    pointsep->setValue(10);
    meacb->setChecked(false);
    frontanal->setChecked(true);
    notebook_.setPageCaption(0, tr("Huygens´ Principle"));
    notebook_.setPage(1);
    // Settings already at their reset values change nothing and so redraw nothing: the page
    // shown is drawn here, whatever was on the view before.
    if (notebook_.pageIndex() == 0)
        lrbt();
    else
        refractbttry();
}

void HuygensPages::deactivate()
{
    if (timerwave->isChecked())
        stabt->click();
    dcb->setChecked(false);
    meacb->setChecked(false);
    uncheckRadio(waveanal);
    if (movecb->isChecked())
        stbt->click();
}

void HuygensPages::movingrbClick()
{
    lrlb->setVisible(movingrb->isChecked());
    lrsb->setVisible(movingrb->isChecked());
    lrbt();
}

void HuygensPages::rbtClick()
{
    // the slider clamps 0 to its minimum and runs its handler only on a real change
    wavefrontsb->setValue(0);
}

void HuygensPages::stabtClick()
{
    toggleWaveAnimation(timerwave, stabt, tr("S&tart Wave"), tr("S&top Wave"));
}

void HuygensPages::lrtimerTimer()
{
    // The water steps first, so that the redraw the clock's change sets off finds it at the
    // clock's new time, as the scene's set-up expects.
    state_.simulated->tick();
    if (wavefrontsb->value() >= wavefrontsb->maximum())
        wavefrontsb->setValue(1);
    wavefrontsb->setValue(wavefrontsb->value() + 1);
    lrbt();
}

void HuygensPages::dcbClick()
{
    state_.clickPhase = 0;
    view_.water->setCursor(dcb->isChecked() ? Qt::CrossCursor : Qt::ArrowCursor);
    analis2->setVisible(dcb->isChecked());
    setText(analis2, tr("Distance: 0.0"));
    lrbt();
}

void HuygensPages::huynbChange(int NewTab)
{
    state_.clickPhase = 0;
    activeHuygensPage = NewTab;
    if (leaveOtherProducts)
        leaveOtherProducts();
    if (meacb->isChecked())
        meacb->setChecked(false);
    if (dcb->isChecked())
        dcb->setChecked(false);
    if (movecb->isChecked())
        stbt->click();
    if (timerwave->isChecked())
        stabt->click();
    if (NewTab == 0) {
        frontanal->setChecked(true);
        lrbt();
    } else {
        refractbttry();
    }
}

void HuygensPages::SpeedsbChange()
{
    setText(speedlb, withPrefix(speedPrefix, Speedsb->value()));
    state_.clickPhase = 0;
    refractbttry();
}

void HuygensPages::wavesbChange()
{
    state_.clickPhase = 0;
    setText(wavelengthlb, withPrefix(wavelengthPrefix, wlsb->value()));
    setText(relindexlb, withPrefix(refractedPrefix, wavesb->value()));
    refractbttry();
}

void HuygensPages::wavefsbChange()
{
    setText(wavefrontlb, withPrefix(frontsPrefix, wavefsb->value()));
    state_.clickPhase = 0;
    if (!Timer4->isActive())
        refractbttry();
}

void HuygensPages::anglesbChange()
{
    state_.clickPhase = 0;
    setText(anglelb, angleText(anglesb->value()));
    degglb->move(anglelb->x() + anglelb->width(), degglb->y());
    refractbttry();
}

void HuygensPages::timersbChange()
{
    frontTime = timersb->value();
    if (!Timer4->isActive())
        refractbttry();
}

void HuygensPages::refrarbClick()
{
    notebook_.setPageCaption(1, refrarb->isChecked() ? tr("&Wave Front Refraction")
                                                     : tr("&Wave Front Reflection"));
    relindexlb->setVisible(refrarb->isChecked());
    wavesb->setVisible(refrarb->isChecked());
    refractbttry();
}

void HuygensPages::stbtClick()
{
    toggleWaveAnimation(movecb, stbt, tr("&Start Wave"), tr("&Stop Wave"));
}

void HuygensPages::ResetbtClick()
{
    if (movecb->isChecked())
        stbt->click();
    state_.simulated->reset();
    timersb->setValue(0);
    refractbttry();
}

void HuygensPages::meacbClick()
{
    view_.water->setCursor(meacb->isChecked() ? Qt::CrossCursor : Qt::ArrowCursor);
    Analis->setVisible(meacb->isChecked());
    refractbttry();
}

void HuygensPages::waveanalClick()
{
    state_.anchorPoint = QPoint(0, 0);
    state_.movingPoint = QPoint(0, 0);
    state_.clickPhase = 0;
    setText(Analis, waveanal->isChecked() ? QString::fromUtf8("Angle = 0.0°") : tr("Length = 0.0"));
    refractbttry();
}

void HuygensPages::Timer4Timer()
{
    // The water steps first, as on the wavelet page.
    state_.simulated->tick();
    timersb->setValue(timersb->value() + 3);
    if (timersb->value() == timersb->maximum())
        timersb->setValue(0);
    refractbttry();
}

} // namespace wave
