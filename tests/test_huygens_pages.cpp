// SPDX-License-Identifier: GPL-3.0-or-later
#include "huygens/huygens_pages.h"
#include "platform/controls.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace wave;

namespace {

template <typename T> T *find(TInterference &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

void drag(QWidget *widget, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

QImage picture(TInterference &window)
{
    return window.Panel1->water->image().copy();
}

} // namespace

class TestHuygensPages : public QObject {
    Q_OBJECT
private slots:
    void startsOnWavefrontPage();
    void angleLabel_data();
    void angleLabel();
    void tickWraps();
    void resetAtOneDoesNotRedraw();
    void noRedrawWhileTimerRuns();
    void pageChangeStopsAnimationsAndMeasuring();
    void modeCaption();
    void altWTurnsToTheSecondPage();
    void modalWindowLeavesTheShownPageDrawn();
    void lengthMeasureOnWaveletPage();
    void controlsFitTheirPlaces();
    void barsTakeTheKeys();
};

void TestHuygensPages::startsOnWavefrontPage()
{
    Started s(QStringLiteral("Pelvane.exe"));
    QCOMPARE(s.window.huynb->pageIndex(), 1);
    QCOMPARE(s.window.huynb->pageCaption(0), QString::fromUtf8("Huygens\u00b4 Principle"));
    QVERIFY(find<QRadioButton>(s.window, "frontanal")->isChecked());
    const QImage shown = picture(s.window);
    QCOMPARE(shown.pixel(200, 253), colour::black); // on the front from (149, 202) to (274, 327)
}

void TestHuygensPages::angleLabel_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("minimum") << 1 << "Angle: 0.0";
    QTest::newRow("middle") << 451 << "Angle: 45.1";
    QTest::newRow("maximum") << 890 << "Angle: 89.0";
}

void TestHuygensPages::angleLabel()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    Started s(QStringLiteral("Pelvane.exe"));
    find<QScrollBar>(s.window, "anglesb")->setValue(value);
    const QLabel *label = find<QLabel>(s.window, "anglelb");
    QCOMPARE(label->text(), text);
    QCOMPARE(find<QLabel>(s.window, "degglb")->x(), label->x() + label->width());
}

void TestHuygensPages::tickWraps()
{
    Started s(QStringLiteral("Pelvane.exe"));
    auto *time = find<QScrollBar>(s.window, "wavefrontsb");
    time->setValue(100);
    s.window.huygens->lrtimerTimer();
    QCOMPARE(time->value(), 2);
    QCOMPARE(s.window.huygens->waveletTime, 2);
    auto *front = find<QScrollBar>(s.window, "timersb");
    front->setValue(698);
    s.window.huygens->Timer4Timer();
    QCOMPARE(front->value(), 0);
    QCOMPARE(s.window.huygens->frontTime, 0);
}

void TestHuygensPages::resetAtOneDoesNotRedraw()
{
    Started s(QStringLiteral("Pelvane.exe"));
    QCOMPARE(s.window.huygens->waveletTime, 0);
    s.window.Panel1->canvas().pen() = Pen{colour::red, 1, PenStyle::Solid};
    s.window.Panel1->canvas().rectangle(0, 0, 5, 5);
    const QImage before = picture(s.window);
    find<QPushButton>(s.window, "rbt")->click();
    QCOMPARE(picture(s.window), before);
    QCOMPARE(s.window.huygens->waveletTime, 0);
}

void TestHuygensPages::noRedrawWhileTimerRuns()
{
    Started s(QStringLiteral("Pelvane.exe"));
    find<QPushButton>(s.window, "stbt")->click();
    QVERIFY(s.window.huygens->Timer4->isActive());
    const QImage before = picture(s.window);
    find<QScrollBar>(s.window, "wavefsb")->setValue(4);
    find<QScrollBar>(s.window, "timersb")->setValue(200);
    QCOMPARE(picture(s.window), before);
    QCOMPARE(find<QLabel>(s.window, "wavefrontlb")->text(), QStringLiteral("# of Fronts: 4"));
    find<QScrollBar>(s.window, "anglesb")->setValue(300);
    QVERIFY(picture(s.window) != before);
}

void TestHuygensPages::pageChangeStopsAnimationsAndMeasuring()
{
    Started s(QStringLiteral("Pelvane.exe"));
    find<QPushButton>(s.window, "stbt")->click();
    find<QCheckBox>(s.window, "meacb")->setChecked(true);
    s.window.huynb->setPage(0);
    QCOMPARE(s.window.huygens->activeHuygensPage, 0);
    QVERIFY(!s.window.huygens->Timer4->isActive());
    QCOMPARE(find<QPushButton>(s.window, "stbt")->text(), QStringLiteral("&Start Wave"));
    QVERIFY(!find<QCheckBox>(s.window, "meacb")->isChecked());
    QVERIFY(find<QLabel>(s.window, "Analis")->isHidden());

    auto *stabt = find<QPushButton>(s.window, "stabt");
    stabt->click();
    QCOMPARE(stabt->text(), QStringLiteral("S&top Wave"));
    QVERIFY(s.window.huygens->lrtimer->isActive());
    find<QCheckBox>(s.window, "dcb")->setChecked(true);
    QVERIFY(find<QLabel>(s.window, "analis2")->isVisible());
    s.window.huynb->setPage(1);
    QVERIFY(!s.window.huygens->lrtimer->isActive());
    QCOMPARE(stabt->text(), QStringLiteral("S&tart Wave"));
    QVERIFY(!find<QCheckBox>(s.window, "dcb")->isChecked());
    QVERIFY(find<QLabel>(s.window, "analis2")->isHidden());
    QCOMPARE(s.window.Panel1->water->cursor().shape(), Qt::ArrowCursor);
}

void TestHuygensPages::modeCaption()
{
    Started s(QStringLiteral("Pelvane.exe"));
    QCOMPARE(s.window.huynb->pageCaption(1), QStringLiteral("&Wavefront Interactions"));
    find<QRadioButton>(s.window, "reflrb")->click();
    QCOMPARE(s.window.huynb->pageCaption(1), QStringLiteral("&Wave Front Reflection"));
    QVERIFY(find<QScrollBar>(s.window, "wavesb")->isHidden());
    QCOMPARE(picture(s.window).pixel(100, 87), colour::black); // a wall point at x = 100
    find<QRadioButton>(s.window, "refrarb")->click();
    QCOMPARE(s.window.huynb->pageCaption(1), QStringLiteral("&Wave Front Refraction"));
}

void TestHuygensPages::altWTurnsToTheSecondPage()
{
    Started s(QStringLiteral("Pelvane.exe"));
    s.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    s.window.huynb->setPage(0);
    QTest::keyClick(&s.window, Qt::Key_W, Qt::AltModifier);
    QCOMPARE(s.window.huynb->pageIndex(), 1);
}

// A modal window's return resets the product; the view then shows the page it is on, drawn
// at the reset values, and so do the copy and the print.
void TestHuygensPages::modalWindowLeavesTheShownPageDrawn()
{
    Started fresh(QStringLiteral("Pelvane.exe"));
    Started s(QStringLiteral("Pelvane.exe"));
    s.window.huynb->setPage(0);
    find<QScrollBar>(s.window, "wavefrontsb")->setValue(57);
    s.window.huynb->setPage(1);
    s.window.FormDeactivate();
    s.window.FormActivate();
    QCOMPARE(picture(s.window), picture(fresh.window));
    s.window.Copy2->trigger();
    QCOMPARE(s.clipboard.image, picture(fresh.window));
}

void TestHuygensPages::lengthMeasureOnWaveletPage()
{
    Started s(QStringLiteral("Pelvane.exe"));
    s.window.huynb->setPage(0);
    find<QCheckBox>(s.window, "dcb")->setChecked(true);
    ImageView *water = s.window.Panel1->water;
    // the first point follows the pointer until the release, the second one after it
    QTest::mousePress(water, Qt::LeftButton, {}, QPoint(100, 100));
    drag(water, QPoint(100, 100), Qt::LeftButton);
    QTest::mouseRelease(water, Qt::LeftButton, {}, QPoint(100, 100));
    drag(water, QPoint(130, 140), Qt::NoButton);
    QCOMPARE(find<QLabel>(s.window, "analis2")->text(), QStringLiteral("Distance: 50.0"));
    QCOMPARE(picture(s.window).pixel(100, 100) != colour::white, true);
}

// With every caption at its longest, no visible control reaches into a neighbour or out of
// its page, and a label's text fits the place it is given.
void TestHuygensPages::controlsFitTheirPlaces()
{
    Started s(QStringLiteral("Pelvane.exe"));
    for (const char *name : {"numsourcessb", "pointsepsb", "timerwavesb", "wlwvfrsb", "numwvwfsb",
                             "lrsb", "Speedsb", "wlsb", "wavefsb", "anglesb", "wavesb"}) {
        auto *bar = find<QScrollBar>(s.window, name);
        bar->setValue(bar->maximum());
    }
    find<QRadioButton>(s.window, "movingrb")->setChecked(true);
    find<QCheckBox>(s.window, "dcb")->setChecked(true);
    find<QCheckBox>(s.window, "meacb")->setChecked(true);
    for (int page = 0; page < 2; ++page) {
        s.window.huynb->setPage(page);
        QWidget *root = s.window.huynb->page(page);
        QList<QWidget *> parents{root};
        for (QWidget *box : root->findChildren<QGroupBox *>())
            parents.append(box);
        for (QWidget *parent : parents) {
            QList<QPair<QString, QRect>> shown;
            for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                // the animation flags lie under their Start buttons by design
                const bool flag = child->objectName() == QLatin1String("timerwave") ||
                                  child->objectName() == QLatin1String("movecb");
                if (!child->isVisibleTo(root) || child->objectName().isEmpty() || flag)
                    continue;
                QRect place = child->geometry();
                if (qobject_cast<QLabel *>(child) || qobject_cast<QAbstractButton *>(child))
                    QVERIFY2(child->sizeHint().width() <= place.width(),
                             qPrintable(child->objectName()));
                QVERIFY2(QRect(QPoint(0, 0), parent->size()).contains(place),
                         qPrintable(child->objectName()));
                for (const auto &[other, at] : shown)
                    QVERIFY2(!at.intersects(place),
                             qPrintable(child->objectName() + QStringLiteral(" on ") + other));
                shown.append({child->objectName(), place});
            }
        }
    }
}

// Every bar of both pages is reached by Tab and steps up on the right arrow; the animation
// flags under the Start buttons take no focus.
void TestHuygensPages::barsTakeTheKeys()
{
    Started s(QStringLiteral("Pelvane.exe"));
    for (QScrollBar *bar : s.window.huynb->findChildren<QScrollBar *>()) {
        QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);
        bar->setValue(bar->minimum());
        QTest::keyClick(bar, Qt::Key_Right);
        QVERIFY2(bar->value() > bar->minimum(), qPrintable(bar->objectName()));
    }
    QCOMPARE(find<QCheckBox>(s.window, "timerwave")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(find<QCheckBox>(s.window, "movecb")->focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(TestHuygensPages)
#include "test_huygens_pages.moc"
