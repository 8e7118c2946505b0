// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "slit/light_window.h"
#include "slit/slit_panel.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace wave;

namespace {

// A started window of the single-slit product, found by its control names as a user
// would meet them.
struct Slit : Started {
    Slit() : Started(QStringLiteral("Sorvelle")) {}
    SlitPanel &group() { return *window.sslit; }
    template <class T> T *named(const char *name)
    {
        T *found = window.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QImage &picture() { return window.Panel1->water->image(); }
    ImageView *water() { return window.Panel1->water; }
};

} // namespace

class SlitTest : public QObject {
    Q_OBJECT
private slots:
    void startsAtTheDesignValues();
    void slidersRedrawWithTheirLabels_data();
    void slidersRedrawWithTheirLabels();
    void timeFactorSetsTheTick_data();
    void timeFactorSetsTheTick();
    void startWaveRunsTheTimerAndTheTimeFactor();
    void ticksMoveThePhaseRoundAWavelength();
    void shrinkingTheWavelengthLeavesThePhase();
    void angleReadsFromTheVertical_data();
    void angleReadsFromTheVertical();
    void releasesFixThePointsOnlyUntilTheFirstDeactivation_data();
    void releasesFixThePointsOnlyUntilTheFirstDeactivation();
    void lightDiffractionOpensTheSingleSlitAndResets();
    void movingOverTheGroupRestartsTheClicks();
};

void SlitTest::startsAtTheDesignValues()
{
    Slit slit;
    QVERIFY(slit.named<QWidget>("sslit")->isVisible());
    QCOMPARE(slit.named<QScrollBar>("pwavesb")->value(), 10);
    QCOMPARE(slit.named<QScrollBar>("openingsb")->value(), 20);
    QCOMPARE(slit.named<QScrollBar>("timeropen")->value(), 3);
    for (const char *name : {"pwavesb", "openingsb"})
        QCOMPARE(slit.named<QScrollBar>(name)->pageStep(), 5);
    QCOMPARE(slit.named<QLabel>("wlb")->text(), QStringLiteral("Wavelength: 10"));
    QCOMPARE(slit.named<QLabel>("openlb")->text(), QStringLiteral("Slit Width: 20"));
    QCOMPARE(slit.named<QLabel>("wavesplb")->text(), QStringLiteral("Time  Factor"));
    QVERIFY(!slit.named<QScrollBar>("timeropen")->isEnabled());
    QVERIFY(!slit.named<QLabel>("wavesplb")->isEnabled());
    QCOMPARE(slit.named<QPushButton>("Starbt")->text(), QStringLiteral("&Start Wave"));
    QCOMPARE(slit.named<QPushButton>("lihtbt")->text(), QStringLiteral("&Light Diffraction"));
    QCOMPARE(slit.named<QCheckBox>("acb")->text(), QStringLiteral(" Measure Angle"));
    QVERIFY(!slit.named<QCheckBox>("acb")->isChecked());
    QVERIFY(!slit.named<QLabel>("anlb")->isVisible());
    QVERIFY(!slit.named<QLabel>("ddlb")->isVisible());
    QCOMPARE(slit.named<QTimer>("Timer2")->interval(), 300);
    QVERIFY(!slit.named<QTimer>("Timer2")->isActive());
    // the barrier with its 20-pixel gap is drawn over the interference field of the start
    QCOMPARE(slit.picture().pixel(100, 297), colour::black);
    QCOMPARE(slit.picture().pixel(354, 297), colour::white);
    QCOMPARE(countPixels(slit.picture(), colour::red), 0);
}

void SlitTest::slidersRedrawWithTheirLabels_data()
{
    QTest::addColumn<int>("lambda");
    QTest::addColumn<int>("width");
    QTest::newRow("narrowest slit, shortest wave") << 3 << 2;
    QTest::newRow("longest wave, widest slit") << 20 << 50;
    QTest::newRow("odd width") << 7 << 33;
}

void SlitTest::slidersRedrawWithTheirLabels()
{
    QFETCH(int, lambda);
    QFETCH(int, width);
    Slit slit;
    slit.named<QScrollBar>("pwavesb")->setValue(lambda);
    slit.named<QScrollBar>("openingsb")->setValue(width);
    QCOMPARE(slit.named<QLabel>("wlb")->text(), QStringLiteral("Wavelength: %1").arg(lambda));
    QCOMPARE(slit.named<QLabel>("openlb")->text(), QStringLiteral("Slit Width: %1").arg(width));
    const QImage &picture = slit.picture();
    int gap = 0;
    for (int x = 0; x < picture.width(); ++x)
        gap += picture.pixel(x, 297) == colour::white;
    QCOMPARE(gap, 2 * (width / 2));
    // the first incoming front lies a wavelength below the barrier line
    QCOMPARE(picture.pixel(20, 299 + lambda), colour::black);
    QCOMPARE(picture.pixel(20, 300 + lambda), colour::white);
}

void SlitTest::timeFactorSetsTheTick_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("interval");
    QTest::newRow("slowest") << 1 << 395;
    QTest::newRow("fastest") << 50 << 150;
    QTest::newRow("twenty") << 20 << 300;
    QTest::newRow("four") << 4 << 380;
}

void SlitTest::timeFactorSetsTheTick()
{
    QFETCH(int, position);
    QFETCH(int, interval);
    Slit slit;
    slit.group().StarbtClick();
    auto *factor = slit.named<QScrollBar>("timeropen");
    factor->setValue(position);
    QCOMPARE(slit.named<QTimer>("Timer2")->interval(), interval);
    // back at the design position the rule gives 385, not the layout's 300
    factor->setValue(3);
    QCOMPARE(slit.named<QTimer>("Timer2")->interval(), 385);
}

void SlitTest::startWaveRunsTheTimerAndTheTimeFactor()
{
    Slit slit;
    auto *start = slit.named<QPushButton>("Starbt");
    auto *timer = slit.named<QTimer>("Timer2");
    for (bool running : {true, false, true}) {
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(slit.named<QCheckBox>("opentime")->isChecked(), running);
        QCOMPARE(timer->isActive(), running);
        QCOMPARE(start->text(),
                 running ? QStringLiteral("&Stop Wave") : QStringLiteral("&Start Wave"));
        QCOMPARE(slit.named<QScrollBar>("timeropen")->isEnabled(), running);
        QCOMPARE(slit.named<QLabel>("wavesplb")->isEnabled(), running);
    }
    // the animation really ticks on the event loop
    QTRY_VERIFY_WITH_TIMEOUT(slit.group().slitPhase > 0, 2000);
}

void SlitTest::ticksMoveThePhaseRoundAWavelength()
{
    Slit slit;
    slit.named<QScrollBar>("pwavesb")->setValue(4);
    const QImage before = slit.picture();
    std::vector<int> phases;
    for (int i = 0; i < 6; ++i) {
        slit.group().Timer2Timer();
        phases.push_back(slit.group().slitPhase);
    }
    QCOMPARE(phases, (std::vector<int>{1, 2, 3, 0, 1, 2}));
    // the first incoming front has moved up two pixels
    QCOMPARE(slit.picture().pixel(20, 301), colour::black);
    QCOMPARE(slit.picture().pixel(20, 303), colour::white);
    slit.group().Timer2Timer();
    slit.group().Timer2Timer();
    QCOMPARE(slit.picture(), before);
}

void SlitTest::shrinkingTheWavelengthLeavesThePhase()
{
    Slit slit;
    slit.named<QScrollBar>("pwavesb")->setValue(20);
    for (int i = 0; i < 15; ++i)
        slit.group().Timer2Timer();
    slit.named<QScrollBar>("pwavesb")->setValue(10);
    QCOMPARE(slit.group().slitPhase, 15);
    // drawn as phase 5, with no front over the barrier's walls
    QCOMPARE(slit.picture().pixel(20, 304), colour::black);
    for (int y = 280; y < 295; ++y)
        QCOMPARE(slit.picture().pixel(20, y), colour::white);
    slit.group().Timer2Timer();
    QCOMPARE(slit.group().slitPhase, 6);
}

void SlitTest::angleReadsFromTheVertical_data()
{
    QTest::addColumn<QPoint>("B");
    QTest::addColumn<QString>("reading");
    QTest::newRow("straight up") << QPoint(300, 100) << "Angle is 0.0°";
    QTest::newRow("straight down") << QPoint(300, 320) << "Angle is 0.0°";
    QTest::newRow("horizontal") << QPoint(420, 200) << "Angle is 90.0°";
    QTest::newRow("left, level") << QPoint(180, 200) << "Angle is 90.0°";
    QTest::newRow("45 up left") << QPoint(250, 150) << "Angle is 45.0°";
    QTest::newRow("steep right") << QPoint(310, 100) << "Angle is 5.7°";
}

void SlitTest::angleReadsFromTheVertical()
{
    QFETCH(QPoint, B);
    QFETCH(QString, reading);
    Slit slit;
    ImageView *water = slit.water();
    QTest::mouseClick(slit.named<QCheckBox>("acb"), Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(slit.named<QLabel>("anlb")->isVisible());
    QCOMPARE(water->cursor().shape(), Qt::CrossCursor);
    // A = B = (0, 0): the ray runs down the view's left edge
    QVERIFY(countPixels(slit.picture(), colour::red) > 0);

    QTest::mouseMove(water, QPoint(300, 200));
    QCOMPARE(slit.named<QLabel>("anlb")->text(), QStringLiteral("Angle is 0.0°"));
    QTest::mouseClick(water, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseMove(water, B);
    QCOMPARE(slit.named<QLabel>("anlb")->text(), reading);
    QCOMPARE(slit.window.state.anchorPoint, QPoint(300, 200));
    // the ray, partly under the grey half ring
    QVERIFY(countPixels(slit.picture(), colour::red) > 40);
    QVERIFY(countPixels(slit.picture(), colour::grey) > 100);

    slit.named<QCheckBox>("acb")->setChecked(false);
    QVERIFY(!slit.named<QLabel>("anlb")->isVisible());
    QCOMPARE(water->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(countPixels(slit.picture(), colour::red), 0);
}

void SlitTest::releasesFixThePointsOnlyUntilTheFirstDeactivation_data()
{
    QTest::addColumn<bool>("deactivated");
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<QString>("reading");
    // the release fixes A at (350, 250); B at (300, 100) is 50 left and 150 up of it
    QTest::newRow("as laid out") << false << QPoint(350, 250) << "Angle is 18.4°";
    // after a modal window the press point stays A and B stands straight above it
    QTest::newRow("after the light window") << true << QPoint(300, 200) << "Angle is 0.0°";
}

void SlitTest::releasesFixThePointsOnlyUntilTheFirstDeactivation()
{
    QFETCH(bool, deactivated);
    QFETCH(QPoint, anchor);
    QFETCH(QString, reading);
    Slit slit;
    if (deactivated) {
        QTimer::singleShot(0, [&] { slit.window.pattfrm->reject(); });
        QTest::mouseClick(slit.named<QPushButton>("lihtbt"), Qt::LeftButton);
    }
    ImageView *water = slit.water();
    slit.named<QCheckBox>("acb")->setChecked(true);
    QTest::mouseMove(water, QPoint(300, 200));
    QTest::mousePress(water, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseRelease(water, Qt::LeftButton, {}, QPoint(350, 250));
    QCOMPARE(slit.window.state.clickPhase, 1);
    QTest::mouseMove(water, QPoint(300, 100));
    QCOMPARE(slit.window.state.anchorPoint, anchor);
    QCOMPARE(slit.named<QLabel>("anlb")->text(), reading);
}

void SlitTest::lightDiffractionOpensTheSingleSlitAndResets()
{
    Slit slit;
    SlitPanel &group = slit.group();
    auto *single = slit.window.pattfrm->findChild<QRadioButton *>("singleslitrb");
    slit.window.pattfrm->selectDoubleSlit();
    group.pwavesb->setValue(17);
    group.openingsb->setValue(9);
    group.StarbtClick();
    group.timeropen->setValue(30);
    group.acb->setChecked(true);
    bool wasModal = false;
    bool stoppedMeanwhile = false;
    bool singleMeanwhile = false;
    QTimer::singleShot(0, [&] {
        wasModal = slit.window.pattfrm->isModal() && slit.window.pattfrm->isVisible();
        stoppedMeanwhile =
            !group.Timer2->isActive() && !group.opentime->isChecked() && !group.acb->isChecked();
        singleMeanwhile = single->isChecked();
        slit.window.pattfrm->reject();
    });
    QTest::mouseClick(group.lihtbt, Qt::LeftButton);
    QVERIFY(wasModal);
    QVERIFY(stoppedMeanwhile);
    QVERIFY(singleMeanwhile);

    QCOMPARE(group.pwavesb->value(), 10);
    QCOMPARE(group.openingsb->value(), 20);
    QCOMPARE(group.timeropen->value(), 3);
    QCOMPARE(group.wlb->text(), QStringLiteral("Wavelength: 10"));
    QCOMPARE(group.openlb->text(), QStringLiteral("Slit Width: 20"));
    QCOMPARE(group.Timer2->interval(), 385);
    QVERIFY(!group.Timer2->isActive());
    QCOMPARE(group.Starbt->text(), QStringLiteral("&Start Wave"));
    QVERIFY(!group.timeropen->isEnabled());
    QVERIFY(!group.anlb->isVisible());
    QCOMPARE(slit.water()->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(slit.window.windowTitle(), QStringLiteral("Sorvelle"));
    QCOMPARE(countPixels(slit.picture(), colour::red), 0);
}

void SlitTest::movingOverTheGroupRestartsTheClicks()
{
    Slit slit;
    slit.window.state.clickPhase = 2;
    QTest::mouseMove(&slit.group(), QPoint(560, 150));
    QCOMPARE(slit.window.state.clickPhase, 0);
}

QTEST_MAIN(SlitTest)
#include "test_slit.moc"
