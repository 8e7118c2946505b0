// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/user_name_dialog.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace wave;
using Op = RecordingCanvas::Op;

class OutputWindowTest : public QObject {
    Q_OBJECT
private slots:
    void copyTakesThePicture_data();
    void copyTakesThePicture();
    void keysCopyAndPrintWhereverTheFocusIs_data();
    void keysCopyAndPrintWhereverTheFocusIs();
    void selectionCopiesTheDraggedRectangle_data();
    void selectionCopiesTheDraggedRectangle();
    void clickWithoutDragLeavesTheClipboard();
    void crosshairModeTakesNoSelection();
    void userNameHeadsThePrint();
    void fullPagePrintsTheControlsField();
    void printFailureIsShown();
    void realClipboardGetsTheCopy();
};

void OutputWindowTest::copyTakesThePicture_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("interference") << "Rundique";
    QTest::newRow("Huygens") << "Pelvane";
    QTest::newRow("single slit") << "Sorvelle";
}

void OutputWindowTest::copyTakesThePicture()
{
    QFETCH(QString, program);
    Started started(program);
    // the menu's item and the view's own both copy the picture, without the marker layers
    started.window.Copy2->trigger();
    QCOMPARE(started.clipboard.copies, 1);
    QCOMPARE(started.clipboard.image, started.window.Panel1->water->image());
    started.window.Copy3->trigger();
    QCOMPARE(started.clipboard.copies, 2);
}

void OutputWindowTest::keysCopyAndPrintWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("viewFocused");
    for (const char *program : {"Rundique", "Pelvane", "Sorvelle"}) {
        QTest::addRow("%s, view focused", program) << program << true;
        QTest::addRow("%s, view not focused", program) << program << false;
    }
}

// The pop-up shows the same keys as the Edit menu; only one of the two may take them.
void OutputWindowTest::keysCopyAndPrintWhereverTheFocusIs()
{
    QFETCH(QString, program);
    QFETCH(bool, viewFocused);
    Started started(program);
    started.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    QWidget *water = started.window.Panel1->water;
    QWidget *focus = water;
    if (!viewFocused)
        for (QWidget *control : started.window.findChildren<QWidget *>())
            if (control != water && control->isVisible() && control->focusPolicy() & Qt::TabFocus)
                focus = control;
    focus->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), focus);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(started.clipboard.copies, 1);
    QCOMPARE(started.clipboard.image, started.window.Panel1->water->image());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(started.printer.pages.size(), 1u);
    QCOMPARE(started.window.Copy3->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(started.window.Print3->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

void OutputWindowTest::selectionCopiesTheDraggedRectangle_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("frame");
    QTest::newRow("down right") << QPoint(100, 50) << QPoint(160, 90) << QRect(100, 50, 60, 40);
    QTest::newRow("down left") << QPoint(300, 50) << QPoint(250, 120) << QRect(250, 50, 50, 70);
    QTest::newRow("up right") << QPoint(300, 300) << QPoint(333, 200) << QRect(300, 200, 33, 100);
    QTest::newRow("up left") << QPoint(400, 300) << QPoint(320, 280) << QRect(320, 280, 80, 20);
    // the corner follows the pointer off the view; the part outside copies as white
    QTest::newRow("out of the view")
        << QPoint(680, 320) << QPoint(740, 380) << QRect(680, 320, 60, 60);
}

void OutputWindowTest::selectionCopiesTheDraggedRectangle()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, frame);
    Started started(QStringLiteral("Rundique"));
    TInterference &window = started.window;
    window.EnableCopySelect1->trigger();
    QVERIFY(window.EnableCopySelect1->isChecked());
    ImageView *water = window.Panel1->water;
    const int phase = window.state.clickPhase;
    QTest::mousePress(water, Qt::LeftButton, {}, from);
    QVERIFY(window.Panel1->copyshape->isVisible());
    QTest::mouseMove(water, (from + to) / 2);
    QTest::mouseMove(water, to);
    QCOMPARE(window.Panel1->copyshape->geometry(), frame.translated(viewOffset, viewOffset));
    QTest::mouseRelease(water, Qt::LeftButton, {}, to);
    QVERIFY(!window.Panel1->copyshape->isVisible());
    QCOMPARE(window.state.clickPhase, (phase + 1) % 3);
    QCOMPARE(started.clipboard.copies, 1);
    const QImage &picture = water->image();
    const QRect inside = frame.intersected(picture.rect());
    QImage expected(frame.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            expected.setPixel(x - frame.left(), y - frame.top(), picture.pixel(x, y));
    QCOMPARE(started.clipboard.image, expected);
}

void OutputWindowTest::clickWithoutDragLeavesTheClipboard()
{
    Started started(QStringLiteral("Sorvelle"));
    started.window.EnableCopySelect1->trigger();
    QTest::mouseClick(started.window.Panel1->water, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(started.clipboard.copies, 0);
    QVERIFY(!started.window.Panel1->copyshape->isVisible());
}

void OutputWindowTest::crosshairModeTakesNoSelection()
{
    Started started(QStringLiteral("Rundique"));
    started.window.EnableCopySelect1->trigger();
    started.panel().measurecb->setChecked(true);
    ImageView *water = started.window.Panel1->water;
    QCOMPARE(water->cursor().shape(), Qt::CrossCursor);
    QTest::mousePress(water, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(water, QPoint(200, 200));
    QVERIFY(!started.window.Panel1->copyshape->isVisible());
    QTest::mouseRelease(water, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(started.clipboard.copies, 0);
}

void OutputWindowTest::userNameHeadsThePrint()
{
    Started started(QStringLiteral("Pelvane"));
    TInterference &window = started.window;
    bool focused = false;
    QTimer::singleShot(0, window.Whoami, [&] {
        focused = window.Whoami->focusWidget() == window.Whoami->Iam;
        QTest::keyClicks(window.Whoami->Iam, QStringLiteral("Ada"));
        QTest::keyClick(window.Whoami->Iam, Qt::Key_Return);
    });
    window.UserName1->trigger();
    QVERIFY(focused);
    QVERIFY(!window.Whoami->isVisible());
    QCOMPARE(window.Whoami->windowTitle(), QStringLiteral("I am ...."));
    QCOMPARE(window.Whoami->userName(), QStringLiteral("Ada"));

    window.print2->trigger();
    QCOMPARE(started.printer.pages.size(), 1u);
    const RecordingCanvas &page = started.printer.pages[0];
    QCOMPARE(page.only(Op::Text).size(), 1u);
    QCOMPARE(page.only(Op::Stretch).at(0).args, (std::vector<int>{150, 300, 4500, 2215}));
}

void OutputWindowTest::fullPagePrintsTheControlsField()
{
    Started started(QStringLiteral("Rundique"));
    started.panel().prntbt->click();
    QCOMPARE(started.printer.pages.size(), 1u);
    const RecordingCanvas &page = started.printer.pages[0];
    // two sources 60 apart on the screen: Trunc(60 s) = 406 on paper
    const auto ellipses = page.only(Op::Ellipse);
    QCOMPARE(ellipses.at(0).args, (std::vector<int>{2197 - 13, 3287, 2197 + 13, 3313}));
    QVERIFY(page.only(Op::Text).empty());
    QVERIFY(page.only(Op::Stretch).empty());
    QVERIFY(page.only(Op::Line).empty());

    started.window.nodepath1->trigger();
    started.panel().prntbt->click();
    QVERIFY(!started.printer.pages.at(1).only(Op::Line).empty());
}

void OutputWindowTest::printFailureIsShown()
{
    Started started(QStringLiteral("Rundique"));
    started.printer.failure = QStringLiteral("No printer is available.");
    started.window.Print3->trigger();
    QCOMPARE(started.dialogs.shown.size(), 1u);
    QCOMPARE(started.dialogs.shown[0].kind, MessageKind::Error);
    QCOMPARE(started.dialogs.shown[0].text, started.printer.failure);
}

void OutputWindowTest::realClipboardGetsTheCopy()
{
    Started started(QStringLiteral("Rundique"));
    QtClipboard clipboard;
    clipboard.setImage(started.window.Panel1->water->image());
    const QImage pasted =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(pasted, started.window.Panel1->water->image());
}

QTEST_MAIN(OutputWindowTest)
#include "test_output_window.moc"
