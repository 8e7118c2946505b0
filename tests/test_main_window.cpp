// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "interference/interference_panel.h"
#include "measure/practice_window.h"
#include "slit/light_window.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <fstream>
#include <memory>

using namespace wave;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void productsShowTheirPanel_data();
    void productsShowTheirPanel();
    void interferenceResetRestoresTheDesignSetUp();
    void typedFactorSetsTheSeparation_data();
    void typedFactorSetsTheSeparation();
    void phaseShiftSetsTheOffsets();
    void matchedWavelengthsMoveTogether();
    void unmatchedWavelengthsMoveAlone();
    void sourceCountEnablesItsControls_data();
    void sourceCountEnablesItsControls();
    void factorHidesWhenTheSeparationIsSetByHand();
    void ringsAndOverlaysReachTheView();
    void deactivationSwitchesTheBandOff();
    void exitAndCloseEndTheProgram();
    void aboutNamesTheProduct();
    void practiceOpensFromEveryProduct_data();
    void practiceOpensFromEveryProduct();
    void windowsOpenAgainAndAgainWithoutGrowing_data();
    void windowsOpenAgainAndAgainWithoutGrowing();
};

void MainWindowTest::productsShowTheirPanel_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("viewMenu");
    QTest::addColumn<int>("help");
    QTest::newRow("interference") << "/usr/local/bin/Rundique"
                                  << "Varying"
                                  << "Rundique"
                                  << "Rundique " << true << 7000;
    QTest::newRow("Huygens") << "Pelvane"
                             << "huynb"
                             << "Pelvane' Principle"
                             << "Pelvane" << false << 9000;
    QTest::newRow("diffraction") << "Sorvelle"
                                 << "sslit"
                                 << "Sorvelle"
                                 << "Sorvelle" << false << 8000;
    QTest::newRow("other case") << "RUNDIQUE"
                                << "sslit"
                                << "Sorvelle"
                                << "Sorvelle" << false << 8000;
}

void MainWindowTest::productsShowTheirPanel()
{
    QFETCH(QString, program);
    QFETCH(QString, panel);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(bool, viewMenu);
    QFETCH(int, help);

    Started started(program);
    TInterference &window = started.window;
    for (const char *name : {"Varying", "huynb", "sslit"}) {
        auto *set = window.findChild<QWidget *>(QLatin1String(name));
        QVERIFY(set);
        QCOMPARE(set->isVisible(), panel == QLatin1String(name));
    }
    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(QApplication::applicationName(), title);
    QCOMPARE(window.View1->menuAction()->isVisible(), viewMenu);
    QCOMPARE(window.Help1->property("helpContext").toInt(), help);
    QCOMPARE(window.size(), QSize(800, 600));
}

void MainWindowTest::interferenceResetRestoresTheDesignSetUp()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    // scramble what the student can change
    panel.unlocked->setChecked(true);
    panel.c2space->setValue(40);
    choose(panel.Numpoints, 2);
    panel.Smooth->setValue(200);
    choose(panel.Numpoints, 1);
    panel.measurecb->setChecked(true);
    panel.perc->setValue(20);
    panel.setPage(3);

    started.window.FormActivate();

    QCOMPARE(panel.pageIndex(), 0);
    QVERIFY(panel.locked->isChecked());
    for (QScrollBar *bar : {panel.C1space, panel.c2space, panel.c3space})
        QCOMPARE(bar->value(), 15);
    QCOMPARE(panel.fpoint->text(), QStringLiteral("1st Point: 30"));
    QCOMPARE(panel.spoint->text(), QStringLiteral("2nd Point: 30"));
    QCOMPARE(panel.Numpoints->currentIndex(), 1);
    QCOMPARE(panel.fraction->currentIndex(), 8);
    QCOMPARE(panel.Smooth->value(), 60);
    QCOMPARE(panel.Label1->text(), QStringLiteral("Actual Separation: 60"));
    QVERIFY(!panel.measurecb->isChecked());
    QVERIFY(!panel.bicb->isChecked());
    QVERIFY(!panel.Showscreen->isChecked());
    QVERIFY(!panel.addinter->isChecked());
    QVERIFY(!panel.BandW->isChecked());
    QCOMPARE(panel.fraction->textColour(), panel.palette().color(QPalette::WindowText));
    QCOMPARE(started.window.state.clickPhase, 0);
    QVERIFY(!started.window.state.pointerHeld);

    WaveView &view = *started.window.Panel1;
    QCOMPARE(view.Center1->x(), 324);
    QCOMPARE(view.center2->x(), 384);
    QVERIFY(view.Center1->isVisible());
    QVERIFY(view.center2->isVisible());
    QVERIFY(!view.center3->isVisible());
    QVERIFY(!view.screenpos->isVisible());
    QVERIFY(!view.movescreen->isVisible());
    QVERIFY(started.window.nodepath1->isEnabled());
}

void MainWindowTest::typedFactorSetsTheSeparation_data()
{
    QTest::addColumn<int>("P1");
    QTest::addColumn<QString>("typed"); // first characters of an item, typed on the closed list
    QTest::addColumn<int>("key");       // then one key, 0 for none
    QTest::addColumn<int>("separation");
    QTest::addColumn<int>("selected");
    QTest::newRow("rounds 0.5 to 0, clamped to 1") << 2 << "0.1" << 0 << 1 << 0;
    QTest::newRow("600 clamped to 500") << 50 << "6" << 0 << 500 << 13;
    QTest::newRow("2.5 rounds to 2") << 5 << "0.2" << 0 << 2 << 1;
    QTest::newRow("7.5 rounds to 8") << 15 << "0.25" << 0 << 8 << 1;
    QTest::newRow("no such item keeps the choice") << 15 << "7" << 0 << 60 << 8;
    QTest::newRow("down from 2") << 15 << "" << int(Qt::Key_Down) << 75 << 9;
    QTest::newRow("up from 0.5") << 10 << "0.5" << int(Qt::Key_Up) << 5 << 1;
    QTest::newRow("end") << 20 << "" << int(Qt::Key_End) << 240 << 13;
    QTest::newRow("home") << 20 << "" << int(Qt::Key_Home) << 5 << 0;
}

void MainWindowTest::typedFactorSetsTheSeparation()
{
    QFETCH(int, P1);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, separation);
    QFETCH(int, selected);

    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    started.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    QVERIFY(!panel.fraction->isEditable());
    panel.C1space->setValue(P1);
    panel.setPage(1);
    panel.fraction->setFocus();
    QVERIFY(panel.fraction->hasFocus());
    QTest::keyClicks(panel.fraction, typed);
    if (key != 0)
        QTest::keyClick(panel.fraction, Qt::Key(key));
    QCOMPARE(panel.fraction->currentIndex(), selected);
    QCOMPARE(panel.Smooth->value(), separation); // the choice applies at once
    panel.Smooth->setFocus();                    // and again on leaving the list
    QCOMPARE(panel.Smooth->value(), separation);
    QCOMPARE(panel.Label1->text(),
             QStringLiteral("Actual Separation: ") + QString::number(separation));
    QCOMPARE(panel.fraction->currentIndex(), selected);
    QCOMPARE(panel.fraction->textColour(), panel.palette().color(QPalette::WindowText));
    QVERIFY(!started.window.state.pointerHeld);
}

void MainWindowTest::phaseShiftSetsTheOffsets()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.C1space->tag = 7;
    panel.perc->setValue(45);
    QCOMPARE(panel.per->text(), QStringLiteral("Phase Shift: 180 Degrees"));
    QCOMPARE(panel.C1space->tag, 0);
    QCOMPARE(panel.c2space->tag, 15);
    QCOMPARE(panel.c3space->tag, 0);

    panel.perc->setValue(10);
    QCOMPARE(panel.per->text(), QStringLiteral("Phase Shift: 40 Degrees"));
    QCOMPARE(panel.c2space->tag, 3);
    panel.unlocked->setChecked(true);
    panel.c2space->setValue(20);
    QCOMPARE(panel.c2space->tag, 4);
    QCOMPARE(panel.C1space->value(), 15);
}

void MainWindowTest::matchedWavelengthsMoveTogether()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    choose(panel.Numpoints, 2);
    panel.c3space->setValue(20);
    for (QScrollBar *bar : {panel.C1space, panel.c2space, panel.c3space})
        QCOMPARE(bar->value(), 20);
    QCOMPARE(panel.fpoint->text(), QStringLiteral("1st Point: 40"));
    QCOMPARE(panel.spoint->text(), QStringLiteral("2nd Point: 40"));
    QCOMPARE(panel.tpoint->text(), QStringLiteral("3rd Point: 40"));
    // the separation keeps its value when the wavelength changes
    QCOMPARE(panel.Smooth->value(), 60);

    // going back to matched copies the first wavelength to the others
    panel.unlocked->setChecked(true);
    panel.C1space->setValue(30);
    panel.locked->setChecked(true);
    QCOMPARE(panel.c2space->value(), 30);
    QCOMPARE(panel.c3space->value(), 30);
    QCOMPARE(panel.tpoint->text(), QStringLiteral("3rd Point: 60"));
}

void MainWindowTest::unmatchedWavelengthsMoveAlone()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    choose(panel.Numpoints, 2);
    panel.perc->setValue(10);
    panel.unlocked->setChecked(true);
    QVERIFY(!started.window.nodepath1->isEnabled());
    panel.C1space->tag = 5;
    panel.c3space->tag = 9;
    panel.c3space->setValue(22);
    QCOMPARE(panel.tpoint->text(), QStringLiteral("3rd Point: 44"));
    QCOMPARE(panel.fpoint->text(), QStringLiteral("1st Point: 30"));
    QCOMPARE(panel.C1space->value(), 15);
    QCOMPARE(panel.c2space->value(), 15);
    QCOMPARE(panel.C1space->tag, 0);
    QCOMPARE(panel.c2space->tag, 3);
    QCOMPARE(panel.c3space->tag, 0);
}

void MainWindowTest::sourceCountEnablesItsControls_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("three") << 3;
}

void MainWindowTest::sourceCountEnablesItsControls()
{
    QFETCH(int, n);
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.measurecb->setChecked(true);
    panel.bicb->setChecked(true);
    choose(panel.Numpoints, n - 1);

    const bool pair = n == 2;
    QCOMPARE(panel.fraction->isEnabled(), pair);
    QCOMPARE(panel.opgb->isEnabled(), pair);
    QCOMPARE(panel.Label3->toolTip(), pair ? QString() : QStringLiteral("Unmatched is checked"));
    const QColor text = pair ? QColor(Qt::black) : QColor(128, 128, 128);
    QCOMPARE(panel.Label3->palette().color(QPalette::WindowText), text);
    QCOMPARE(panel.opgb->palette().color(QPalette::WindowText), text);
    QCOMPARE(panel.measurecb->isChecked(), pair);
    QCOMPARE(panel.bicb->isChecked(), pair);
    QCOMPARE(started.window.nodepath1->isEnabled(), pair);
    QCOMPARE(started.window.Panel1->water->cursor().shape(),
             pair ? Qt::CrossCursor : Qt::ArrowCursor);

    const std::array<std::array<QWidget *, 4>, 3> rows{{
        {panel.C1space, panel.fpoint, panel.famp, panel.fampsb},
        {panel.c2space, panel.spoint, panel.samp, panel.sampsb},
        {panel.c3space, panel.tpoint, panel.tamp, panel.tampsb},
    }};
    const std::array<ShapeLayer *, 3> markers = started.window.Panel1->markers();
    for (int k = 0; k < 3; ++k) {
        for (QWidget *control : rows[std::size_t(k)])
            QCOMPARE(control->isVisibleTo(&panel), k < n);
        QCOMPARE(markers[std::size_t(k)]->isVisible(), k < n);
    }
}

void MainWindowTest::factorHidesWhenTheSeparationIsSetByHand()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.setPage(1);
    QTest::keyClick(panel.Smooth, Qt::Key_Right);
    QCOMPARE(panel.Smooth->value(), 61);
    QCOMPARE(panel.Label1->text(), QStringLiteral("Actual Separation: 61"));
    QCOMPARE(panel.fraction->textColour(), QColor(Qt::white));
    QCOMPARE(started.window.Panel1->center2->x() - started.window.Panel1->Center1->x(), 61);

    choose(panel.fraction, 4); // "1": one wavelength
    QCOMPARE(panel.Smooth->value(), 30);
    QCOMPARE(panel.fraction->textColour(), panel.palette().color(QPalette::WindowText));
}

void MainWindowTest::ringsAndOverlaysReachTheView()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    const QImage &image = started.window.Panel1->water->image();
    QCOMPARE(image.pixel(312, 343), colour::black); // the disc of source 1
    const int redTroughs = countPixels(image, colour::red);
    QVERIFY(redTroughs > 1000);

    panel.colourbx->setChecked(false);
    QCOMPARE(countPixels(image, colour::red), 0);

    // the distance lines are red and run up to the measure point at view (372, 68)
    panel.setPage(3);
    QTest::mouseClick(panel.measurecb, Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(panel.measurecb->isChecked());
    QCOMPARE(started.window.Panel1->water->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(image.pixel(372, 200), colour::red);
}

void MainWindowTest::deactivationSwitchesTheBandOff()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.Showscreen->setChecked(true);
    panel.addinter->setChecked(true);
    started.window.FormDeactivate();
    QVERIFY(!panel.Showscreen->isChecked());
    QVERIFY(!panel.addinter->isChecked());
    for (ShapeLayer *marker : started.window.Panel1->markers())
        QVERIFY(!marker->isVisible());
    QCOMPARE(started.window.Panel1->water->cursor().shape(), Qt::ArrowCursor);
}

void MainWindowTest::exitAndCloseEndTheProgram()
{
    {
        Started started(QStringLiteral("Rundique"));
        QTest::mouseClick(started.window.BitBtn1, Qt::LeftButton);
        QVERIFY(!started.window.isVisible());
    }
    {
        Started started(QStringLiteral("Rundique"));
        started.window.Return1->trigger();
        QVERIFY(!started.window.isVisible());
    }
}

void MainWindowTest::aboutNamesTheProduct()
{
    Started started(QStringLiteral("Pelvane"));
    started.window.About1->trigger();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(started.dialogs.shown[0].kind, MessageKind::Information);
    QVERIFY(started.dialogs.shown[0].text.contains(QStringLiteral("Pelvane' Principle")));

    // the box is a modal window of the program: the product is set up again behind it
    Started interference(QStringLiteral("Rundique"));
    InterferencePanel &panel = interference.panel();
    panel.C1space->setValue(40);
    panel.Showscreen->setChecked(true);
    interference.window.About1->trigger();
    QCOMPARE(panel.C1space->value(), 15);
    QVERIFY(!panel.Showscreen->isChecked());
    QCOMPARE(interference.window.windowTitle(), QStringLiteral("Rundique"));
}

void MainWindowTest::practiceOpensFromEveryProduct_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("Huygens") << QStringLiteral("Pelvane");
    QTest::newRow("interference") << QStringLiteral("Rundique");
    QTest::newRow("single slit") << QStringLiteral("Sorvelle");
}

void MainWindowTest::practiceOpensFromEveryProduct()
{
    QFETCH(QString, program);
    Started started(program);
    InterferencePanel &panel = started.panel();
    panel.C1space->setValue(40);
    panel.Showscreen->setChecked(true);
    bool modal = false;
    bool bandOffMeanwhile = false;
    QTimer::singleShot(0, [&] {
        modal = started.window.Profrm->isModal() && started.window.Profrm->isVisible();
        bandOffMeanwhile = !panel.Showscreen->isChecked();
        started.window.Profrm->accept();
    });
    QVERIFY(started.window.MeasurementPractice1->isEnabled());
    started.window.MeasurementPractice1->trigger();
    QVERIFY(modal);
    QVERIFY(bandOffMeanwhile);
    QVERIFY(!started.window.Profrm->isVisible());
    // only the interference product resets the point sources' controls
    QCOMPARE(panel.C1space->value(), program == QLatin1String("Rundique") ? 15 : 40);
}

QTEST_MAIN(MainWindowTest)
void MainWindowTest::windowsOpenAgainAndAgainWithoutGrowing_data()
{
    QTest::addColumn<QString>("opened");
    QTest::newRow("light pattern") << "light";
    QTest::newRow("practice") << "practice";
}

// Each opening used to leave about 100 bytes behind, 150 KB over these openings; what the
// memory may still move by is the allocator's slack.
void MainWindowTest::windowsOpenAgainAndAgainWithoutGrowing()
{
    QFETCH(QString, opened);
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("The address sanitizer holds freed memory in quarantine, so residence tells nothing.");
#endif
    const auto residentKiB = [] {
        std::ifstream statm("/proc/self/statm");
        long pages = 0, resident = 0;
        statm >> pages >> resident;
        return resident * 4;
    };
    Started started(QStringLiteral("Rundique"));
    QDialog *window = opened == QStringLiteral("light")
                          ? static_cast<QDialog *>(started.window.pattfrm)
                          : started.window.Profrm;
    const auto openAndClose = [&] {
        QTimer::singleShot(0, window, [window] { window->close(); });
        if (opened == QStringLiteral("light"))
            started.panel().Lightbt->click();
        else
            started.window.MeasurementPractice1->trigger();
    };
    for (int i = 0; i < 200; ++i)
        openAndClose();
    const long before = residentKiB();
    for (int i = 0; i < 1500; ++i)
        openAndClose();
    QVERIFY2(residentKiB() - before <= 40, qPrintable(QString::number(residentKiB() - before)));
}

#include "test_main_window.moc"
