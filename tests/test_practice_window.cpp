// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/practice_window.h"
#include "pixels.h"
#include "platform/controls.h"
#include "scripted_dialogs.h"
#include "scripted_random.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace wave;

namespace {

// The practice window as the program opens it, with the random numbers it will draw.
struct Opened {
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    TProfrm window;

    explicit Opened(std::deque<double> numbers)
        : random(std::move(numbers)), window(dialogs, random)
    {
        window.FormActivate();
        window.show();
    }
    // `created` for the window's first task, `numbers` for what follows
    Opened(std::deque<double> created, std::deque<double> numbers) : Opened(std::move(created))
    {
        random.next = std::move(numbers);
    }

    // The pointer moves to `at` on the picture, or clicks there.
    void move(QPoint at) { QTest::mouseMove(window.proim, at); }
    void click(QPoint at)
    {
        move(at);
        QTest::mouseClick(window.proim, Qt::LeftButton, {}, at);
    }
    void choosePage(int index)
    {
        QTabBar *tabs = window.practicenb->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    ScriptedDialogs::Shown check()
    {
        QTest::mouseClick(window.Checkbt, Qt::LeftButton);
        return dialogs.shown.back();
    }
};

} // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT
private slots:
    void createdWithAProtractorTask();
    void protractorCycle();
    void taskModeButtonsPoseNewTasks();
    void rulerCycle();
    void rayPageHasItsHandles();
    void dragTheTorchOntoTheTarget();
    void openingReturnsToTheProtractorPage();
    void enterChecksAndReturnCloses();
};

void PracticeWindowTest::createdWithAProtractorTask()
{
    Opened opened({0.25, 0.5});
    TProfrm &w = opened.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Measurement Practice"));
    QCOMPARE(w.angleTask().taskangle, 50.0);
    QCOMPARE(w.angleTask().taskrotation, 180.0);
    QVERIFY(opened.random.next.empty());
    QVERIFY(countPixels(w.proim->image(), colour::black) > 200);
    QCOMPARE(w.practicenb->pageIndex(), 0);
    QCOMPARE(w.proim->cursor().shape(), Qt::CrossCursor);
    QVERIFY(w.Checkbt->isDefault());
    for (ShapeLayer *handle : {w.csh, w.msh, w.lsh, w.dsh})
        QVERIFY(!handle->isVisible());
}

void PracticeWindowTest::protractorCycle()
{
    // 60 degrees between a line to the right of the centre and one below it
    Opened opened({0.3125, 0.0});
    TProfrm &w = opened.window;
    const QPoint centre(198, 122);
    opened.click(centre);
    opened.click(centre + QPoint(50, 87)); // the base line onto the lower arm
    QCOMPARE(w.measuring().clickstep, 2);
    QCOMPARE(countPixels(w.proim->image(), colour::red), 0);

    opened.move(centre + QPoint(100, 0));
    QCOMPARE(w.Ang1rb->text(), QStringLiteral(" 60.2°"));
    QCOMPARE(w.ang2rb->text(), QStringLiteral(" 119.9°"));
    QVERIFY(countPixels(w.proim->image(), colour::red) > 100);
    ScriptedDialogs::Shown shown = opened.check();
    QCOMPARE(shown.kind, MessageKind::Information);
    QCOMPARE(shown.text, QStringLiteral("Right!\nWell done!"));
    QCOMPARE(shown.title, QStringLiteral("Measurement Practice"));

    // the third click freezes protractor, readings and picture
    opened.click(centre + QPoint(100, 0));
    const QImage frozen = w.proim->image().copy();
    opened.move(centre + QPoint(-60, -70));
    QCOMPARE(w.proim->image(), frozen);
    QCOMPARE(w.Ang1rb->text(), QStringLiteral(" 60.2°"));

    QTest::mouseClick(w.ang2rb, Qt::LeftButton);
    shown = opened.check();
    QCOMPARE(shown.kind, MessageKind::Error);

    // the fourth click starts again: the protractor follows the pointer
    opened.click(centre + QPoint(-60, -70));
    QCOMPARE(w.measuring().clickstep, 0);
    opened.move(QPoint(40, 50));
    QCOMPARE(w.measuring().firstpoint, QPoint(40, 50));
    QCOMPARE(w.measuring().secondpoint, QPoint(60, 50));
}

void PracticeWindowTest::taskModeButtonsPoseNewTasks()
{
    Opened opened({0.5, 0.5}, {0.3125, 0.25});
    TProfrm &w = opened.window;
    opened.click(QPoint(100, 100));
    QTest::mouseClick(w.Normalrb, Qt::LeftButton);
    QVERIFY(opened.random.next.empty());
    QCOMPARE(w.angleTask().taskangle, 60.0);
    QCOMPARE(w.measuring().clickstep, 0);
    QVERIFY(w.angleTask().fromNormal);
    // the dotted red normal across the surface
    const int red = countPixels(w.proim->image(), colour::red);
    QVERIFY(red > 20 && red < 60);

    opened.choosePage(1);
    opened.random.next = {0.0, 0.5};
    QTest::mouseClick(w.pandlrb, Qt::LeftButton);
    QVERIFY(opened.random.next.empty());
    QCOMPARE(w.rulerTask().kind, LengthTask::PointAndLine);
    QCOMPARE(w.rulerTask().tasklength, 132.5);
}

void PracticeWindowTest::rulerCycle()
{
    // two points 100 pixels apart, straight above and below the centre
    Opened opened({0.5, 0.5}, {0.0, 80.0 / 225});
    TProfrm &w = opened.window;
    opened.choosePage(1);
    QCOMPARE(w.practicenb->pageIndex(), 1);
    QVERIFY(opened.random.next.empty());
    QCOMPARE(w.anallb->text(), QStringLiteral("Length is: 0"));

    opened.move(QPoint(198, 72));
    QCOMPARE(w.anallb->text(), QStringLiteral("Distance: 20.0"));
    opened.click(QPoint(198, 72));
    opened.click(QPoint(198, 172));
    QCOMPARE(w.anallb->text(), QStringLiteral("Distance: 100.0"));
    // the black end bars at both ends of the measured length
    const QImage &image = w.proim->image();
    for (int y : {72, 172})
        QCOMPARE(image.pixel(188, y), colour::black);

    opened.move(QPoint(20, 20));
    QCOMPARE(w.anallb->text(), QStringLiteral("Distance: 100.0"));
    ScriptedDialogs::Shown shown = opened.check();
    QCOMPARE(shown.kind, MessageKind::Information);
    QCOMPARE(shown.text, QStringLiteral("Right!\nWell Done!"));

    opened.click(QPoint(20, 20));
    QCOMPARE(w.measuring().clickstep, 0);
    opened.move(QPoint(30, 20));
    QCOMPARE(w.anallb->text(), QStringLiteral("Distance: 20.0"));
    QCOMPARE(opened.check().kind, MessageKind::Error);
}

void PracticeWindowTest::rayPageHasItsHandles()
{
    Opened opened({0.5, 0.5}, {0.5, 0.2, 0.9});
    TProfrm &w = opened.window;
    opened.choosePage(2);
    QCOMPARE(w.rayLesson().lessonstep, 0);
    QCOMPARE(w.proim->cursor().shape(), Qt::ArrowCursor);
    for (ShapeLayer *handle : {w.csh, w.msh, w.lsh, w.dsh})
        QVERIFY(handle->isVisible());
    QCOMPARE(w.lsh->geometry(), QRect(258, 116, 5, 5));
    QCOMPARE(w.csh->geometry(), QRect(258, 123, 5, 5));
    // only the angle differs at first, and the target is never horizontal
    QCOMPARE(opened.check().kind, MessageKind::Error);

    QTest::mouseClick(w.nextbt, Qt::LeftButton);
    QCOMPARE(w.rayLesson().lessonstep, 1);
    QVERIFY(opened.random.next.empty());
    // lesson 1 starts on the target's angle
    QVERIFY(std::abs(rayAngle(w.handles()) - w.rayLesson().targetangle) < 0.01);
    QCOMPARE(w.dsh->pos(), w.handles().dsh - QPoint(2, 2));

    opened.choosePage(0);
    for (ShapeLayer *handle : {w.csh, w.msh, w.lsh, w.dsh})
        QVERIFY(!handle->isVisible());
    QCOMPARE(w.proim->cursor().shape(), Qt::CrossCursor);
}

void PracticeWindowTest::dragTheTorchOntoTheTarget()
{
    // lesson 0 asks for pi / 7 with the ray on the target's point and interface
    Opened opened({0.5, 0.5}, {0.5});
    TProfrm &w = opened.window;
    opened.choosePage(2);
    QCOMPARE(w.rayLesson().targetangle, std::numbers::pi / 7);

    const QPoint grip(2, 2);
    QTest::mouseMove(w.dsh, grip);
    QCOMPARE(w.hintlb->text(), QStringLiteral("Adjust the ray\u00b4s angle of incidence."));
    QTest::mousePress(w.dsh, Qt::LeftButton, {}, grip);
    // past the interface: the torch stops 15 pixels short of it
    QTest::mouseMove(w.dsh, QPoint(300, 100) - w.dsh->pos());
    QCOMPARE(w.handles().dsh, QPoint(245, 100));
    QCOMPARE(w.dsh->pos(), QPoint(243, 98));
    // 158 pixels up the target's ray from the point of incidence
    QTest::mouseMove(w.dsh, QPoint(118, 49) - w.dsh->pos());
    QTest::mouseRelease(w.dsh, Qt::LeftButton, {}, w.dsh->mapFromParent(QPoint(118, 49)));
    QCOMPARE(w.handles().dsh, QPoint(118, 49));
    QCOMPARE(w.handles().msh, QPoint(189, 83));
    ScriptedDialogs::Shown shown = opened.check();
    QCOMPARE(shown.kind, MessageKind::Information);
    QCOMPARE(shown.text, QStringLiteral("Right!\nWell Done!"));

    // released: moving over a handle only shows its hint, moving over the picture clears it
    QTest::mouseMove(w.lsh, grip);
    QCOMPARE(w.hintlb->text(),
             QStringLiteral("Adjust the point where the ray hits the interface."));
    QCOMPARE(w.handles().lsh, QPoint(260, 118));
    opened.move(QPoint(30, 30));
    QVERIFY(w.hintlb->text().isEmpty());
}

void PracticeWindowTest::openingReturnsToTheProtractorPage()
{
    Opened opened({0.5, 0.5});
    TProfrm &w = opened.window;
    // reopened on the protractor page: the task stays
    w.FormActivate();
    QCOMPARE(w.angleTask().taskangle, 90.0);

    opened.random.next = {0.5, 0.5};
    opened.choosePage(1);
    opened.click(QPoint(10, 10));
    opened.random.next = {0.0, 0.0};
    w.FormActivate();
    QCOMPARE(w.practicenb->pageIndex(), 0);
    QCOMPARE(w.angleTask().taskangle, 10.0);
    QCOMPARE(w.measuring().clickstep, 0);
}

void PracticeWindowTest::enterChecksAndReturnCloses()
{
    Opened opened({0.5, 0.5}, {0.25, 0.0});
    TProfrm &w = opened.window;
    // Enter on the button just clicked still checks rather than posing another task
    QTest::mouseClick(w.nextbt, Qt::LeftButton);
    QCOMPARE(w.angleTask().taskangle, 50.0);
    QTest::keyClick(w.nextbt, Qt::Key_Return);
    QCOMPARE(opened.dialogs.shown.size(), 1u);
    QCOMPARE(w.angleTask().taskangle, 50.0);

    QTest::mouseClick(w.Returnbt, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

QTEST_MAIN(PracticeWindowTest)
#include "test_practice_window.moc"
