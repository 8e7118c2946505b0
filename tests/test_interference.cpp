// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/light_window.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>

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
    void pressesPlaceTheMeasurePoint();
    void measurePointOnTheBand();
    void bandStripsFollowTheirBoxes();
    void detailMapAlternatesAndHides();
    void movingTheBandStartsTheAverageAfresh();
    void nodePathOnlyForTwoMatchedSources();
    void lightWindowOpensBetweenDeactivationAndReset();
    void keyboardReachesEveryBar();
    void factorListHidesOnlyItsText();
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
    QCOMPARE(panel.sbt->text(), QStringLiteral("S&top Waves"));
    QCOMPARE(started.window.state.bandsum[3], 0.0);
    QVERIFY(!started.window.state.pointerHeld);

    started.window.Panel1->mim1->show();
    started.window.Panel1->mim2->show();
    started.window.state.bandsum[3] = 5.0;
    QTest::mouseClick(panel.sbt, Qt::LeftButton);
    QVERIFY(!panel.timeron->isChecked());
    QVERIFY(!panel.Timer1->isActive());
    QCOMPARE(panel.sbt->text(), QStringLiteral("S&tart Waves"));
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
    QCOMPARE(panel.sbt->text(), QStringLiteral("S&tart Waves"));
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

void InterferenceTest::pressesPlaceTheMeasurePoint()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    ImageView *water = started.window.Panel1->water;
    ShapeLayer *dissh = started.window.Panel1->dissh;

    // without a measuring mode a press moves nothing
    QTest::mouseClick(water, Qt::LeftButton, {}, QPoint(100, 200));
    QCOMPARE(dissh->pos(), QPoint(384, 80));
    QCOMPARE(started.window.state.clickPhase, 1); // but every release counts

    panel.measurecb->setChecked(true);
    QTest::mousePress(water, Qt::LeftButton, {}, QPoint(100, 200));
    QCOMPARE(dissh->pos(), QPoint(112, 212));
    QCOMPARE(panel.d1lb->text(), QStringLiteral("From Left Point: 255"));
    QCOMPARE(panel.d2lb->text(), QStringLiteral("From Right Point: 307"));
    QCOMPARE(panel.changelb->text(), QStringLiteral("Path Difference: 52"));
    QCOMPARE(panel.bisectlb->text(), QStringLiteral("Width from CL: 242"));
    QCOMPARE(panel.centerlb->text(), QStringLiteral("Along CL: 143"));
    QCOMPARE(panel.bianglelb->text(), QStringLiteral("Bisector Angle: 59"));
    QCOMPARE(panel.bideglb->x(), panel.bianglelb->geometry().right() + 1);
    QVERIFY(started.window.state.pointerHeld);
    QTest::mouseRelease(water, Qt::LeftButton, {}, QPoint(100, 200));
    QCOMPARE(started.window.state.clickPhase, 2);
    QVERIFY(started.window.state.pointerHeld); // the interference product keeps it

    // the red line from the left source at (312, 343) now runs to the point at (100, 200)
    panel.colourbx->setChecked(false);
    const QImage &picture = water->image();
    int redColumns = 0; // rings crossing the line cover a few of its pixels
    for (int x = 110; x < 300; ++x) {
        const int y = 343 - (312 - x) * 143 / 212;
        bool red = false;
        for (int dy = -2; dy <= 2; ++dy)
            red |= picture.pixel(x, y + dy) == colour::red;
        redColumns += red;
    }
    QVERIFY(redColumns > 170);

    // the right button measures too, and its menu opens as it comes up
    QTest::mousePress(water, Qt::RightButton, {}, QPoint(705, 400 - 14));
    QCOMPARE(dissh->pos(), QPoint(706, 354)); // clamped right and above the sources' row
    QTest::mouseRelease(water, Qt::RightButton, {}, QPoint(705, 400 - 14));
    QCOMPARE(started.window.state.clickPhase, 0);
    QTRY_VERIFY(started.window.printtry->isVisible());
    started.window.printtry->close();
}

void InterferenceTest::measurePointOnTheBand()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    ShapeLayer *dissh = started.window.Panel1->dissh;
    panel.bicb->setChecked(true);
    panel.screenrb->setChecked(true);
    QCOMPARE(dissh->y(), started.window.Panel1->screenpos->y() - 1);
    QVERIFY(panel.addinter->isChecked());
    // on the band a press changes only the point's x
    const int onBand = dissh->y();
    QTest::mouseClick(started.window.Panel1->water, Qt::LeftButton, {}, QPoint(50, 300));
    QCOMPARE(dissh->pos(), QPoint(62, onBand));
}

namespace {

// The colours of one column of the view over the given rows.
QList<QRgb> column(const QImage &image, int x, int fromRow, int toRow)
{
    QList<QRgb> colours;
    for (int y = fromRow; y <= toRow; ++y)
        colours << (image.pixel(x, y) & 0xffffff);
    return colours;
}

bool allEqual(const QList<QRgb> &colours)
{
    return std::all_of(colours.begin(), colours.end(), [&](QRgb c) { return c == colours[0]; });
}

} // namespace

void InterferenceTest::bandStripsFollowTheirBoxes()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    WaveView &view = *started.window.Panel1;
    const QImage &picture = view.water->image();

    panel.Showscreen->setChecked(true);
    QVERIFY(!view.screenpos->isHidden());
    QVERIFY(!view.movescreen->isHidden());
    view.movescreen->setValue(100);
    QCOMPARE(view.screenpos->y(), 14 + 120);
    int lit = 0;
    for (int x = 0; x < 709; x += 7) {
        QCOMPARE(column(picture, x, 0, 99), QList<QRgb>(100, 0)); // the tank behind is blank
        const QList<QRgb> strip = column(picture, x, 100, 119);
        QVERIFY(allEqual(strip));
        QCOMPARE(qGreen(strip[0]) + qBlue(strip[0]), 0);
        lit += strip[0] != 0;
    }
    QVERIFY(lit > 50);

    // both strips: the average above, the instantaneous below
    panel.addinter->setChecked(true);
    for (int x = 1; x < 709; x += 7) {
        QVERIFY(allEqual(column(picture, x, 100, 109)));
        QVERIFY(allEqual(column(picture, x, 110, 119)));
    }
    // the strongest column of the average is full red
    QList<QRgb> average;
    for (int x = 1; x < 709; ++x)
        average << (picture.pixel(x, 100) & 0xffffff);
    QCOMPARE(*std::max_element(average.begin(), average.end()), QRgb(0xff0000));

    panel.BandW->setChecked(true);
    const QRgb grey = picture.pixel(354, 115) & 0xffffff;
    QVERIFY(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey));

    // band off: the line and its bar go, the rings come back
    panel.Showscreen->setChecked(false);
    panel.addinter->setChecked(false);
    QVERIFY(view.screenpos->isHidden());
    QVERIFY(view.movescreen->isHidden());
    QVERIFY(countPixels(picture.copy(0, 0, 709, 100), 0xffffffff) > 10000);
}

void InterferenceTest::detailMapAlternatesAndHides()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    WaveView &view = *started.window.Panel1;

    // without the band the map covers the top of the view and the strip is still blanked
    panel.Hdetailcb->setChecked(true);
    QVERIFY(view.screenpos->isHidden());
    QCOMPARE(view.mim1->y(), 14);
    QVERIFY(view.mim1->isVisible() != view.mim2->isVisible());
    QCOMPARE(column(view.water->image(), 300, 0, 19), QList<QRgb>(20, 0));

    // the buffers take turns with the ticks, each shown only once drawn
    panel.sbtClick();
    const bool firstShown = view.mim1->isVisible();
    panel.Timer1Timer();
    QCOMPARE(view.mim1->isVisible(), !firstShown);
    QCOMPARE(view.mim2->isVisible(), firstShown);
    QVERIFY(view.mim1->image() != view.mim2->image());

    // with the band on, the map hangs from the band line
    panel.addinter->setChecked(true);
    QCOMPARE(view.mim1->y(), view.screenpos->y());
    QCOMPARE(view.mim2->y(), view.screenpos->y());

    panel.sbtClick();
    QVERIFY(!view.mim1->isVisible());
    QVERIFY(!view.mim2->isVisible());
}

void InterferenceTest::movingTheBandStartsTheAverageAfresh()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    WaveView &view = *started.window.Panel1;
    panel.addinter->setChecked(true);
    panel.screenrb->setChecked(true);
    started.window.state.bandsum[790] = 3.0;
    view.movescreen->setValue(200);
    QCOMPARE(view.screenpos->y(), 14 + 220);
    QCOMPARE(view.dissh->y(), 14 + 220 - 1);
    QCOMPARE(started.window.state.bandsum[790], 0.0);
    // one redraw since: each column holds one |u|, the largest being the peak
    const auto &sum = started.window.state.bandsum;
    QCOMPARE(started.window.state.bandpeak, *std::max_element(sum.begin(), sum.begin() + 710));
}

void InterferenceTest::nodePathOnlyForTwoMatchedSources()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    const QImage &picture = started.window.Panel1->water->image();
    const QRgb grey = qRgb(128, 128, 128);
    QCOMPARE(countPixels(picture, grey), 0);
    started.window.nodepath1->trigger();
    QVERIFY(started.window.nodepath1->isChecked());
    QVERIFY(countPixels(picture, grey) > 100);

    panel.unlocked->setChecked(true);
    QVERIFY(!started.window.nodepath1->isEnabled());
    QCOMPARE(countPixels(picture, grey), 0);
    panel.locked->setChecked(true);
    QVERIFY(countPixels(picture, grey) > 100);
    panel.setPage(1);
    choose(panel.Numpoints, 2);
    QCOMPARE(countPixels(picture, grey), 0);
}

void InterferenceTest::lightWindowOpensBetweenDeactivationAndReset()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.C1space->setValue(40);
    panel.addinter->setChecked(true);
    panel.sbtClick();
    bool wasModal = false;
    bool stoppedMeanwhile = false;
    QTimer::singleShot(0, [&] {
        wasModal = started.window.pattfrm->isModal() && started.window.pattfrm->isVisible();
        stoppedMeanwhile = !panel.Timer1->isActive() && !panel.addinter->isChecked();
        started.window.pattfrm->reject();
    });
    QTest::mouseClick(panel.Lightbt, Qt::LeftButton);
    QVERIFY(wasModal);
    QVERIFY(stoppedMeanwhile);
    QVERIFY(started.window.pattfrm->findChild<QRadioButton *>("doubleslitrb")->isChecked());
    // back in the main window the product is set up afresh
    QCOMPARE(panel.C1space->value(), 15);
    QVERIFY(!panel.timeron->isChecked());
}

namespace {

// The scroll bars that Tab reaches from the focused control, in the order it reaches them.
QStringList barsInTabOrder()
{
    QStringList bars;
    for (int i = 0; i < 60; ++i) {
        if (i > 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget *focused = QApplication::focusWidget();
        if (qobject_cast<const QScrollBar *>(focused) && !bars.contains(focused->objectName()))
            bars << focused->objectName();
    }
    return bars;
}

} // namespace

void InterferenceTest::keyboardReachesEveryBar()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    started.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    QCOMPARE(QApplication::focusWidget(), panel.C1space); // the reset's focus takes
    panel.setPage(1);
    QTest::keyClick(panel.Numpoints, Qt::Key_End); // three sources, by key
    QCOMPARE(panel.Numpoints->currentText(), QStringLiteral("3"));
    QCOMPARE(barsInTabOrder(), QStringList{"Smooth"});
    panel.setPage(0);
    panel.C1space->setFocus();
    QCOMPARE(barsInTabOrder(),
             (QStringList{"C1space", "fampsb", "c2space", "sampsb", "c3space", "tampsb", "perc"}));
    panel.setPage(2);
    QTest::keyClick(panel.Showscreen, Qt::Key_Space); // the band, and its bar with it
    QVERIFY(panel.Showscreen->isChecked());
    QCOMPARE(barsInTabOrder(), (QStringList{"timerate", "movescreen"}));

    // Right, Up and Page Up step up on every horizontal bar; Home and End go to the ends.
    for (QScrollBar *bar : {static_cast<QScrollBar *>(panel.C1space), panel.fampsb,
                            static_cast<QScrollBar *>(panel.c2space), panel.sampsb,
                            static_cast<QScrollBar *>(panel.c3space), panel.tampsb, panel.perc,
                            panel.Smooth, panel.timerate}) {
        const QString name = bar->objectName();
        panel.setPage(bar == panel.Smooth ? 1 : bar == panel.timerate ? 2 : 0);
        bar->setFocus();
        QVERIFY2(bar->hasFocus(), qPrintable(name));
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(bar->value(), bar->minimum());
        QTest::keyClick(bar, Qt::Key_Right);
        QTest::keyClick(bar, Qt::Key_Up);
        QCOMPARE(bar->value(), bar->minimum() + 2);
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(bar->value(), bar->minimum() + 1);
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(bar->value(), std::min(bar->minimum() + 1 + bar->pageStep(), bar->maximum()));
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(bar->value(), bar->maximum() - bar->pageStep());
    }
    QCOMPARE(panel.Label1->text(),
             QStringLiteral("Actual Separation: ") + QString::number(panel.Smooth->value()));

    // The band's bar moves the way the key points: Down lowers the band line.
    QScrollBar *band = started.window.Panel1->movescreen;
    band->setFocus();
    QTest::keyClick(band, Qt::Key_Home);
    QTest::keyClick(band, Qt::Key_Down);
    QTest::keyClick(band, Qt::Key_Down);
    QTest::keyClick(band, Qt::Key_Up);
    QCOMPARE(band->value(), 1);
    QCOMPARE(started.window.Panel1->screenpos->y(), 14 + 1 + 20);
}

void InterferenceTest::factorListHidesOnlyItsText()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.setPage(1);
    const auto dark = [](const QImage &image, const QRect &area) {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += qGray(image.pixel(x, y)) < 128;
        return found;
    };
    const QRect field(4, 4, panel.fraction->width() - 30, panel.fraction->height() - 8);
    const QRect arrow(panel.fraction->width() - 22, 4, 18, panel.fraction->height() - 8);
    const QImage shown = panel.fraction->grab().toImage();
    QVERIFY(dark(shown, field) > 10);
    QVERIFY(dark(shown, arrow) > 3);

    panel.Smooth->setValue(panel.Smooth->value() + 1); // moved by hand
    QCOMPARE(panel.fraction->textColour(), QColor(Qt::white));
    const QImage hidden = panel.fraction->grab().toImage();
    QCOMPARE(dark(hidden, field), 0);
    QCOMPARE(dark(hidden, arrow), dark(shown, arrow));
}

QTEST_MAIN(InterferenceTest)
#include "test_interference.moc"
