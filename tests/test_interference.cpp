#include "started_window.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace wave;

class InterferenceTest : public QObject {
    Q_OBJECT
private slots:
    void startAndStopTheWaves();
    void ticksMoveEverySourceOnePixel();
    void timeFactorSetsTheInterval();
    void runningWavesKeepTicking();
    void deactivationStopsTheWaves();
    void twoPointExperimentRestoresTheStandardSetUp();
};

void InterferenceTest::startAndStopTheWaves()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    started.window.state.bandsum[3] = 5.0;
    started.window.state.pointerHeld = true;

    QTest::mouseClick(panel.sbt, Qt::LeftButton);
    QVERIFY(panel.timeron->isChecked());
    QVERIFY(panel.Timer1->isActive());
    QCOMPARE(panel.sbt->text(), QStringLiteral("&Stop Waves"));
    QCOMPARE(started.window.state.bandsum[3], 0.0);
    QVERIFY(!started.window.state.pointerHeld);

    started.window.Panel1->mim1->show();
    started.window.Panel1->mim2->show();
    started.window.state.bandsum[3] = 5.0;
    QTest::mouseClick(panel.sbt, Qt::LeftButton);
    QVERIFY(!panel.timeron->isChecked());
    QVERIFY(!panel.Timer1->isActive());
    QCOMPARE(panel.sbt->text(), QStringLiteral("&Start Waves"));
    QVERIFY(!started.window.Panel1->mim1->isVisible());
    QVERIFY(!started.window.Panel1->mim2->isVisible());
    // stopping keeps the average; only starting clears it
    QCOMPARE(started.window.state.bandsum[3], 5.0);
}

void InterferenceTest::ticksMoveEverySourceOnePixel()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.perc->setValue(10); // source 2 starts 10/45 of half a period ahead
    panel.setPage(1);
    choose(panel.Numpoints, 0); // one source: the hidden ones move on too
    const int second = panel.c2space->tag;
    panel.C1space->tag = 28;
    panel.Timer1Timer();
    const QImage before = started.window.Panel1->water->image();
    panel.Timer1Timer(); // P = 15: 29 is the last offset before the wrap
    QCOMPARE(panel.C1space->tag, 0);
    QCOMPARE(panel.c2space->tag, (second + 2) % 30);
    QCOMPARE(panel.c3space->tag, 2);
    QVERIFY(started.window.Panel1->water->image() != before);
}

void InterferenceTest::timeFactorSetsTheInterval()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    QCOMPARE(panel.timerate->value(), 45);
    QCOMPARE(panel.Timer1->interval(), 200); // the design interval until the bar moves
    panel.timerate->setValue(50);
    QCOMPARE(panel.Timer1->interval(), 20);
    panel.timerate->setValue(45);
    QCOMPARE(panel.Timer1->interval(), 120);
    panel.timerate->setValue(1);
    QCOMPARE(panel.Timer1->interval(), 1000);
}

void InterferenceTest::runningWavesKeepTicking()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.timerate->setValue(50);
    panel.sbtClick();
    int ticks = 0;
    connect(panel.Timer1, &QTimer::timeout, [&] { ++ticks; });
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 5, 2000);
    // a parameter change while running restarts the offsets and keeps the timer going
    panel.C1space->setValue(20);
    QCOMPARE(panel.C1space->tag, 0);
    QVERIFY(panel.Timer1->isActive());
}

void InterferenceTest::deactivationStopsTheWaves()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.sbtClick();
    started.window.FormDeactivate();
    QVERIFY(!panel.timeron->isChecked());
    QVERIFY(!panel.Timer1->isActive());
    QCOMPARE(panel.sbt->text(), QStringLiteral("&Start Waves"));
}

void InterferenceTest::twoPointExperimentRestoresTheStandardSetUp()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    started.window.nodepath1->setChecked(true);
    panel.measurecb->setChecked(true);
    panel.bicb->setChecked(true);
    panel.perc->setValue(20);
    panel.unlocked->setChecked(true);
    panel.C1space->setValue(30);
    panel.c2space->setValue(7);
    choose(panel.Numpoints, 2);
    panel.Smooth->setValue(133);
    panel.Showscreen->setChecked(true);
    panel.addinter->setChecked(true);
    panel.sbtClick();
    panel.setPage(2);

    started.window.TwopointInterference1->trigger();

    QCOMPARE(panel.pageIndex(), 0);
    QVERIFY(!started.window.nodepath1->isChecked());
    QVERIFY(started.window.nodepath1->isEnabled());
    QCOMPARE(panel.perc->value(), 0);
    QVERIFY(panel.locked->isChecked());
    for (QScrollBar *wavelength : {panel.C1space, panel.c2space, panel.c3space})
        QCOMPARE(wavelength->value(), 15);
    QCOMPARE(panel.Numpoints->currentText(), QStringLiteral("2"));
    QCOMPARE(panel.fraction->currentText(), QStringLiteral("2"));
    QCOMPARE(panel.Smooth->value(), 60);
    QCOMPARE(panel.Label1->text(), QStringLiteral("Actual Separation: 60"));
    QVERIFY(!panel.timeron->isChecked());
    QVERIFY(!panel.Timer1->isActive());
    for (QCheckBox *box : {panel.Showscreen, panel.addinter, panel.measurecb, panel.bicb})
        QVERIFY(!box->isChecked());
    QVERIFY(panel.opgb->isEnabled());
    QVERIFY(started.window.Panel1->center2->isVisible());
    QVERIFY(!started.window.Panel1->center3->isVisible());
}

QTEST_MAIN(InterferenceTest)
#include "test_interference.moc"
