// SPDX-License-Identifier: GPL-3.0-or-later
#include "huygens/huygens_pages.h"
#include "platform/controls.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
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
    void lengthMeasureOnWaveletPage();
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
    QCOMPARE(stabt->text(), QStringLiteral("&Stop Wave"));
    QVERIFY(s.window.huygens->lrtimer->isActive());
    find<QCheckBox>(s.window, "dcb")->setChecked(true);
    QVERIFY(find<QLabel>(s.window, "analis2")->isVisible());
    s.window.huynb->setPage(1);
    QVERIFY(!s.window.huygens->lrtimer->isActive());
    QCOMPARE(stabt->text(), QStringLiteral("&Start Wave"));
    QVERIFY(!find<QCheckBox>(s.window, "dcb")->isChecked());
    QVERIFY(find<QLabel>(s.window, "analis2")->isHidden());
    QCOMPARE(s.window.Panel1->water->cursor().shape(), Qt::ArrowCursor);
}

void TestHuygensPages::modeCaption()
{
    Started s(QStringLiteral("Pelvane.exe"));
    QCOMPARE(s.window.huynb->pageCaption(1), QStringLiteral("Wavefront Interactions"));
    find<QRadioButton>(s.window, "reflrb")->click();
    QCOMPARE(s.window.huynb->pageCaption(1), QStringLiteral("&Wave Front Reflection"));
    QVERIFY(find<QScrollBar>(s.window, "wavesb")->isHidden());
    QCOMPARE(picture(s.window).pixel(100, 87), colour::black); // a wall point at x = 100
    find<QRadioButton>(s.window, "refrarb")->click();
    QCOMPARE(s.window.huynb->pageCaption(1), QStringLiteral("&Wave Front Refraction"));
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

QTEST_MAIN(TestHuygensPages)
#include "test_huygens_pages.moc"
