// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/interference_panel.h"

#include "interference/source_logic.h"
#include "platform/form.h"
#include "platform/readers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace wave {

namespace {

const QStringList factorItems{"0.125", "0.25", "0.5", "0.75", "1", "1.25", "1.5",
                              "1.75",  "2",    "2.5", "3",    "4", "5",    "6"};

} // namespace

InterferencePanel::InterferencePanel(WaveView &view, SharedState &state, QWidget *parent)
    : Notebook(parent), nodepath1(new QAction(tr("Node Path"), this)), Timer1(new QTimer(this)),
      view_(view), state_(state)
{
    setObjectName(QStringLiteral("Varying"));
    nodepath1->setObjectName(QStringLiteral("nodepath1"));
    nodepath1->setCheckable(true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    buildWavelengthsPage(addPage(tr("&Wavelengths")));
    buildSeparationPage(addPage(tr("&Source Separation")));
    buildAnimationPage(addPage(tr("&Animation Controls")));
    buildMeasurementsPage(addPage(tr("&Measurements")));
    nameForReaders({{C1space, QT_TRANSLATE_NOOP("Readers", "Wavelength of source 1")},
                    {c2space, QT_TRANSLATE_NOOP("Readers", "Wavelength of source 2")},
                    {c3space, QT_TRANSLATE_NOOP("Readers", "Wavelength of source 3")},
                    {fampsb, QT_TRANSLATE_NOOP("Readers", "Amplitude of source 1")},
                    {sampsb, QT_TRANSLATE_NOOP("Readers", "Amplitude of source 2")},
                    {tampsb, QT_TRANSLATE_NOOP("Readers", "Amplitude of source 3")},
                    {perc, QT_TRANSLATE_NOOP("Readers", "Phase shift")},
                    {Numpoints, QT_TRANSLATE_NOOP("Readers", "Number of sources")},
                    {fraction, QT_TRANSLATE_NOOP("Readers", "Factor of wavelength")},
                    {Smooth, QT_TRANSLATE_NOOP("Readers", "Source separation")},
                    {timerate, QT_TRANSLATE_NOOP("Readers", "Time factor")}});
    tellReaders();
    connectHandlers();
    listSetupControls();
}

void InterferencePanel::tellReaders()
{
    const std::array<TaggedScrollBar *, 3> wavelengths{C1space, c2space, c3space};
    for (int source = 0; source < 3; ++source)
        readLikeLabel(
            wavelengths[static_cast<std::size_t>(source)],
            [source](int P) { return wavelengthLabel(source, P); }, tr("pixels"));
    for (QScrollBar *amplitude : {fampsb, sampsb, tampsb})
        readLikeLabel(amplitude, amplitudeLabel);
    readLikeLabel(perc, phaseShiftLabel, tr("degrees"));
    readLikeLabel(Smooth, separationLabel, tr("pixels"));
    readAsSpeed(
        timerate,
        [maximum = timerate->maximum()](int position) {
            return animationInterval(position, maximum);
        },
        tr("waves"));
    // The label above each list is its label for readers too.
    Label6->setBuddy(Numpoints);
    Label3->setBuddy(fraction);
    keepFromReaders(timeron);
}

void InterferencePanel::buildWavelengthsPage(QWidget *page)
{
    GroupBox3 = group(page, "GroupBox3", tr("Point Source Wavelengths"), {4, 4, 376, 132});
    const std::array<const char *, 3> pointNames{"fpoint", "spoint", "tpoint"};
    const std::array<const char *, 3> barNames{"C1space", "c2space", "c3space"};
    const std::array<const char *, 3> ampNames{"famp", "samp", "tamp"};
    const std::array<const char *, 3> ampBarNames{"fampsb", "sampsb", "tampsb"};
    std::array<QLabel *, 3> points{};
    std::array<TaggedScrollBar *, 3> bars{};
    std::array<QLabel *, 3> amps{};
    std::array<QScrollBar *, 3> ampBars{};
    const std::array<QString, 3> pointTexts{tr("1st Point: 30"), tr("2nd Point: 30"),
                                            tr("3rd Point: 30")};
    for (std::size_t k = 0; k < 3; ++k) {
        const int y = 24 + 36 * static_cast<int>(k);
        points[k] = label(GroupBox3, pointNames[k], pointTexts[k], {8, y - 2, 100, 18});
        bars[k] = bar<TaggedScrollBar>(GroupBox3, barNames[k], 2, 50, 15, 5, {108, y, 100, 16});
        amps[k] = label(GroupBox3, ampNames[k], tr("Amplitude: 10"), {214, y - 2, 104, 18});
        ampBars[k] = bar(GroupBox3, ampBarNames[k], 1, 10, 10, 1, {318, y, 50, 16});
    }
    std::tie(fpoint, spoint, tpoint) = std::tuple(points[0], points[1], points[2]);
    std::tie(C1space, c2space, c3space) = std::tuple(bars[0], bars[1], bars[2]);
    std::tie(famp, samp, tamp) = std::tuple(amps[0], amps[1], amps[2]);
    std::tie(fampsb, sampsb, tampsb) = std::tuple(ampBars[0], ampBars[1], ampBars[2]);
    for (QWidget *hidden : std::initializer_list<QWidget *>{tpoint, c3space, tamp, tampsb})
        hidden->hide();

    per = label(page, "per", tr("Phase Shift: 0 Degrees"), {388, 8, 190, 18});
    perc = bar(page, "perc", 0, 45, 0, 10, {388, 30, 186, 16});
    unlocked = radio(page, "unlocked", tr(" Unmatched Wavelengths"), {386, 64, 194, 20});
    locked = radio(page, "locked", tr(" Matched Wavelengths"), {386, 90, 194, 20});
    locked->setChecked(true);
}

void InterferencePanel::buildSeparationPage(QWidget *page)
{
    Label6 = label(page, "Label6", tr("Number of Sources"), {10, 14, 130, 18});
    Numpoints = new NamedList(page);
    place(Numpoints, "Numpoints", {10, 36, 64, 24});
    Numpoints->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});

    GroupBox1 = group(page, "GroupBox1", tr("Point Source Separation"), {150, 4, 290, 132});
    GroupBox1->setMouseTracking(true);
    Label3 = label(GroupBox1, "Label3", tr("Factor of Wavelength"), {12, 28, 150, 18});
    fraction = new ChoiceList(GroupBox1);
    place(fraction, "fraction", {170, 24, 100, 24});
    fraction->addItems(factorItems);
    Label1 = label(GroupBox1, "Label1", tr("Actual Separation: 30"), {12, 64, 266, 18});
    Label1->setAlignment(Qt::AlignCenter);
    Smooth = bar(GroupBox1, "Smooth", 1, 500, 105, 10, {12, 92, 266, 16});

    prntbt = button(page, "prntbt", tr("&Print Full Page"), {452, 52, 122, 32});
    prntbt->setEnabled(false);
}

void InterferencePanel::buildAnimationPage(QWidget *page)
{
    // Tab goes through the band properties on the left before the buttons on the right.
    timergb = group(page, "timergb", tr("Intensity Band Properties"), {6, 4, 404, 132});
    Showscreen =
        checkBox(timergb, "Showscreen", tr(" Show Instantaneous Amplitude"), {10, 22, 240, 20});
    addinter = checkBox(timergb, "addinter", tr(" Show Average Amplitude"), {10, 46, 240, 20});
    Hdetailcb = checkBox(timergb, "Hdetailcb", tr(" High Detail"), {10, 70, 240, 20});
    BandW = checkBox(timergb, "BandW", tr(" Black and White"), {10, 94, 240, 20});
    Label15 = label(timergb, "Label15", tr("Time Factor"), {270, 30, 120, 18});
    timerate = bar(timergb, "timerate", 1, 50, 45, 5, {270, 54, 120, 16});
    // What the band shows while the simulated water is on.
    formularb = radio(timergb, "formularb", tr("Formula"), {270, 80, 120, 20});
    simulatedrb = radio(timergb, "simulatedrb", tr("Simulated"), {270, 102, 120, 20});
    formularb->setChecked(true);

    // The on/off state of the animation lies under its button, covered by it.
    timeron = checkBox(page, "timeron", tr("Animate Waves"), {424, 16, 113, 20});
    timeron->setFocusPolicy(Qt::NoFocus);
    sbt = button(page, "sbt", tr("S&tart Waves"), {424, 16, 113, 33});
    colourbx = checkBox(page, "colourbx", tr("Color Waves"), {424, 60, 140, 20});
    colourbx->setChecked(true);
    Lightbt = button(page, "Lightbt", tr("&Light Interference"), {424, 92, 140, 30});
}

void InterferencePanel::buildMeasurementsPage(QWidget *page)
{
    opgb = group(page, "opgb", tr("Options"), {6, 4, 250, 110});
    measurecb =
        checkBox(opgb, "measurecb", tr(" Measure Point Source Distances"), {8, 20, 236, 20});
    bicb = checkBox(opgb, "bicb", tr(" Show Perpendicular Bisector"), {8, 42, 236, 20});
    screenrb = radio(opgb, "screenrb", tr("On Intensity Band"), {8, 64, 236, 20});
    anyrb = radio(opgb, "anyrb", tr(" Anywhere"), {8, 86, 236, 20});
    anyrb->setChecked(true);
    opgb->setEnabled(false);

    dgb = group(page, "dgb", tr("Distances"), {262, 4, 316, 110});
    label(dgb, "dgbPoint", tr("Point Source"), {8, 18, 140, 16});
    label(dgb, "dgbCentre", tr("Center Line (CL)"), {160, 18, 150, 16});
    d1lb = label(dgb, "d1lb", tr("From Left Point: 0"), {8, 38, 150, 18});
    d2lb = label(dgb, "d2lb", tr("From Right Point: 0"), {8, 60, 150, 18});
    changelb = label(dgb, "changelb", tr("Path Difference: 0"), {8, 82, 150, 18});
    bisectlb = label(dgb, "bisectlb", tr("Width from CL: 0"), {160, 38, 150, 18});
    centerlb = label(dgb, "centerlb", tr("Along CL: 0"), {160, 60, 150, 18});
    auto *angle = label<SpokenLabel>(dgb, "bianglelb", tr("Bisector Angle: 0"), {160, 82, 130, 18});
    angle->adjustSize();
    auto *mark = label<SpokenLabel>(dgb, "bideglb", QStringLiteral("o"),
                                    {angle->x() + angle->width(), 78, 10, 12});
    readDegrees(angle, mark);
    bianglelb = angle;
    bideglb = mark;
    Label16 = label(page, "Label16", tr("Note: Use Only with 2 Point Sources"), {6, 118, 300, 18});
}

} // namespace wave
