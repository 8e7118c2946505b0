// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/field_renderer.h"
#include "interference/field_water.h"
#include "interference/interference_panel.h"
#include "interference/node_path.h"
#include "interference/source_logic.h"
#include "platform/form.h"
#include "view/shared_state.h"
#include "view/simulated_water.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace wave {

namespace {

const QColor greyText(128, 128, 128);

void setTextColour(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

void InterferencePanel::connectHandlers()
{
    for (TaggedScrollBar *wavelength : {C1space, c2space, c3space})
        connect(wavelength, &QScrollBar::valueChanged, this,
                [this, wavelength] { C1spaceChange(wavelength); });
    const std::array<std::pair<QScrollBar *, QLabel *>, 3> amplitudes{
        {{fampsb, famp}, {sampsb, samp}, {tampsb, tamp}}};
    for (auto [amplitude, shown] : amplitudes)
        connect(amplitude, &QScrollBar::valueChanged, shown, [this, shown = shown](int position) {
            shown->setText(amplitudeLabel(position));
            describeView(fieldParams());
        });
    connect(perc, &QScrollBar::valueChanged, this, &InterferencePanel::percChange);
    onRadioChecked({locked}, this, [this] { lockedClick(); });
    onRadioChecked({unlocked}, this, [this] { unlockedClick(); });
    connect(Numpoints, &QComboBox::activated, this, &InterferencePanel::NumpointsChange);
    onFocusChange(Numpoints, nullptr, [this] { NumpointsChange(); });
    connect(fraction, &QComboBox::activated, this, &InterferencePanel::fractionExit);
    onFocusChange(
        fraction, [this] { fractionEnter(); }, [this] { fractionExit(); });
    connect(Smooth, &QScrollBar::valueChanged, this, &InterferencePanel::SmoothChange);
    connect(colourbx, &QCheckBox::toggled, this, &InterferencePanel::drawinter);
    connect(measurecb, &QCheckBox::toggled, this, &InterferencePanel::measurecbClick);
    for (QCheckBox *band : {Showscreen, addinter, Hdetailcb})
        connect(band, &QCheckBox::toggled, this, &InterferencePanel::ShowscreenClick);
    connect(BandW, &QCheckBox::toggled, this, &InterferencePanel::BandWClick);
    connect(view_.movescreen, &QScrollBar::valueChanged, this,
            &InterferencePanel::movescreenChange);
    connect(sbt, &QPushButton::clicked, this, &InterferencePanel::sbtClick);
    connect(timeron, &QCheckBox::toggled, this, &InterferencePanel::timeronClick);
    connect(Timer1, &QTimer::timeout, this, &InterferencePanel::Timer1Timer);
    connect(timerate, &QScrollBar::valueChanged, this, &InterferencePanel::timerateChange);
    connect(bicb, &QCheckBox::toggled, this, &InterferencePanel::measurecbClick);
    onRadioChecked({screenrb, anyrb}, this, [this] { screenrbClick(); });
    onRadioChecked({formularb, simulatedrb}, this, [this] { ShowscreenClick(); });
}

int InterferencePanel::sourceCount() const
{
    return Numpoints->currentIndex() + 1;
}

FieldParams InterferencePanel::fieldParams() const
{
    FieldParams params;
    params.n = sourceCount();
    params.S = Smooth->value();
    params.P = {C1space->value(), c2space->value(), c3space->value()};
    params.T = {C1space->tag, c2space->tag, c3space->tag};
    params.colourWaves = colourbx->isChecked();
    params.bisector = bicb->isChecked();
    params.distances = measurecb->isChecked();
    params.markerTop = view_.Center1->y();
    params.measurePoint = view_.dissh->pos();
    params.colours = state_.colours;
    return params;
}

void InterferencePanel::describeView(const FieldParams &params)
{
    describeForReaders(view_.water, describeField(params) +
                                        describeSourceSettings(
                                            params.n, phaseShiftDegrees(perc->value()),
                                            {fampsb->value(), sampsb->value(), tampsb->value()}));
}

void InterferencePanel::drawinter()
{
    const FieldParams params = fieldParams();
    const std::array<ShapeLayer *, 3> markers = view_.markers();
    const std::array<int, 3> lefts = markerLefts(params.n, params.S);
    for (std::size_t k = 0; k < markers.size(); ++k) {
        if (static_cast<int>(k) < params.n)
            markers[k]->show();
        markers[k]->move(lefts[k], markers[k]->y());
    }
    drawField(view_.canvas(), params);
    describeView(params);
    state_.wavecanvas = &view_.canvas();
    if (nodepath1->isEnabled() && nodepath1->isChecked())
        nodepathbtClick();
    if (bandShown() || Hdetailcb->isChecked())
        screenbtClick();
    const std::array<int, 3> bars{fampsb->value(), sampsb->value(), tampsb->value()};
    state_.simulated->show([&](double now) { return fieldWater(params, bars, now); },
                           view_.water->image(), params.colours);
    view_.water->update();
}

void InterferencePanel::nodepathbtClick()
{
    drawNodePath(*state_.wavecanvas, nodePathParams());
}

NodePathParams InterferencePanel::nodePathParams() const
{
    return {view_.Center1->x(), view_.center2->x(), view_.Center1->y(),
            C1space->value(),   perc->value(),      state_.colours};
}

void InterferencePanel::resetPhaseOffsets()
{
    C1space->tag = 0;
    c2space->tag = phaseShiftOffset(perc->value(), c2space->value());
    c3space->tag = 0;
}

void InterferencePanel::C1spaceChange(TaggedScrollBar *sender)
{
    state_.bandpeak = 0.0;
    state_.clearBand();
    if (locked->isChecked()) {
        // Each bar that moves runs this handler again, so all three end equal.
        C1space->setValue(sender->value());
        c2space->setValue(C1space->value());
        c3space->setValue(C1space->value());
    }
    const std::array<QLabel *, 3> labels{fpoint, spoint, tpoint};
    const int source = sender == C1space ? 0 : sender == c2space ? 1 : 2;
    labels[static_cast<std::size_t>(source)]->setText(wavelengthLabel(source, sender->value()));
    resetPhaseOffsets();
    drawinter();
}

void InterferencePanel::percChange()
{
    state_.clearBand();
    per->setText(phaseShiftLabel(perc->value()));
    resetPhaseOffsets();
    state_.bandpeak = 0.0;
    nodepath1->setEnabled(nodePathAvailable(sourceCount(), locked->isChecked()));
    drawinter();
}

void InterferencePanel::lockedClick()
{
    c2space->setValue(C1space->value());
    c3space->setValue(C1space->value());
    if (sourceCount() == 2)
        nodepath1->setEnabled(true);
    drawinter();
}

void InterferencePanel::unlockedClick()
{
    nodepath1->setEnabled(false);
    drawinter();
}

void InterferencePanel::NumpointsChange()
{
    const int n = sourceCount();
    const std::array<ShapeLayer *, 3> markers = view_.markers();
    for (std::size_t k = 0; k < markers.size(); ++k)
        markers[k]->setVisible(static_cast<int>(k) < n);

    const bool pair = n == 2;
    setTextColour(Label3, pair ? QColor(Qt::black) : greyText);
    fraction->setEnabled(pair);
    Label3->setToolTip(pair ? QString() : tr("Unmatched is checked"));
    opgb->setEnabled(pair);
    setTextColour(opgb, pair ? QColor(Qt::black) : greyText);
    if (!pair) {
        measurecb->setChecked(false);
        bicb->setChecked(false);
    }

    c2space->setVisible(n >= 2);
    spoint->setVisible(n >= 2);
    c3space->setVisible(n == 3);
    tpoint->setVisible(n == 3);
    samp->setVisible(n >= 2);
    sampsb->setVisible(n >= 2);
    tamp->setVisible(n == 3);
    tampsb->setVisible(n == 3);

    nodepath1->setEnabled(nodePathAvailable(n, locked->isChecked()));
    state_.bandpeak = 0.0;
    drawinter();
}

void InterferencePanel::fractionExit()
{
    state_.pointerHeld = true;
    const int chosen = std::max(fraction->currentIndex(), 0);
    selectSilently(fraction, chosen);
    if (locked->isChecked()) {
        const double factor = parseFactor(fraction->itemText(chosen)).value_or(0.125);
        Smooth->setValue(separationForFactor(factor, C1space->value()));
        drawinter();
    }
    state_.pointerHeld = false;
}

void InterferencePanel::fractionEnter()
{
    fraction->setTextColour(palette().color(QPalette::WindowText));
}

void InterferencePanel::SmoothChange()
{
    state_.clearBand();
    // A separation set by hand is no longer the chosen multiple of the wavelength, so the
    // factor disappears on its white field.
    fraction->setTextColour(state_.pointerHeld ? palette().color(QPalette::WindowText)
                                               : QColor(Qt::white));
    Label1->setText(separationLabel(Smooth->value()));
    state_.bandpeak = 0.0;
    drawinter();
}

void InterferencePanel::measurecbClick()
{
    const bool measuring = measurecb->isChecked() || bicb->isChecked();
    view_.water->setCursor(measuring ? Qt::CrossCursor : Qt::ArrowCursor);
    drawinter();
}

void InterferencePanel::reset()
{
    setPage(0);
    locked->setChecked(true);
    C1space->setValue(15);

    setPage(1);
    selectSilently(Numpoints, 1);
    selectSilently(fraction, 8);
    // Moving the focus from the number list to the factor list and on to the wavelength
    // bar runs these, in this order.
    NumpointsChange();
    fractionEnter();
    setPage(0);
    C1space->setFocus();
    fractionExit();

    for (QCheckBox *box : {measurecb, bicb, Showscreen, addinter, BandW})
        box->setChecked(false);
    drawinter();
}

} // namespace wave
