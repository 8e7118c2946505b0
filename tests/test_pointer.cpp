// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/measurement.h"
#include "view/pointer.h"
#include "view/shared_state.h"

#include <QTest>

#include <cmath>
#include <utility>

using namespace wave;

Q_DECLARE_METATYPE(wave::PointerControls)

namespace {

constexpr int sourceTop = 355; // the source markers' top, frame coordinates

// Logs what the pointer asks of the window, in order.
class FakeHost : public PointerHost {
public:
    explicit FakeHost(PointerControls controls) : c(controls) {}

    PointerControls c;
    QStringList calls;
    bool shown = false;

    PointerControls controls() const override { return c; }
    void placeMeasurePoint(int X, int Y) override
    {
        calls << QStringLiteral("place %1,%2").arg(X).arg(Y);
    }
    void drawinter() override { calls << QStringLiteral("drawinter"); }
    void lrbt() override { calls << QStringLiteral("lrbt"); }
    void refractbttry() override { calls << QStringLiteral("refractbttry"); }
    void opening() override { calls << QStringLiteral("opening"); }
    void setCaption(MeasureLabel label, const QString &text) override
    {
        static const QStringList names{QStringLiteral("analis2"), QStringLiteral("Analis"),
                                       QStringLiteral("anlb")};
        calls << names[static_cast<int>(label)] + QLatin1Char(' ') + text;
    }
    void showSelection(const QRect &frame) override
    {
        shown = true;
        calls << QStringLiteral("frame %1,%2 %3x%4")
                     .arg(frame.x())
                     .arg(frame.y())
                     .arg(frame.width())
                     .arg(frame.height());
    }
    bool selectionShown() const override { return shown; }
    void finishSelection() override
    {
        shown = false;
        calls << QStringLiteral("finish");
    }

    QStringList take() { return std::exchange(calls, {}); }
};

const PointerControls copySelection{.copySelect = true};
const PointerControls interferenceMeasuring{.crosshair = true};
const PointerControls huygensDistance{
    .product = Product::Huygens, .crosshair = true, .dcb = true, .frontanal = true};
const PointerControls wavefrontLength{.product = Product::Huygens,
                                      .crosshair = true,
                                      .meacb = true,
                                      .frontanal = true,
                                      .activeHuygensPage = 1};
const PointerControls wavefrontAngle{.product = Product::Huygens,
                                     .crosshair = true,
                                     .meacb = true,
                                     .waveanal = true,
                                     .activeHuygensPage = 1};
// waveanal stays checked from the window layout until the first deactivation
const PointerControls slitAngle{
    .product = Product::SingleSlit, .crosshair = true, .waveanal = true, .acb = true};
const PointerControls slitAngleAfterDeactivation{
    .product = Product::SingleSlit, .crosshair = true, .acb = true};

void click(FakeHost &host, SharedState &state, int X, int Y)
{
    pointer::press(host, state, X, Y);
    pointer::release(host, state, X, Y);
}

} // namespace

class PointerTest : public QObject {
    Q_OBJECT
private slots:
    void pressPlacesTheMeasurePoint_data();
    void pressPlacesTheMeasurePoint();
    void measurementsPageTexts_data();
    void measurementsPageTexts();
    void copySelectionFollowsTheDrag();
    void copySelectionNeedsTheDefaultCursor();
    void interferencePressPlacesThePoint();
    void lengthTextRoundsHalvesUp_data();
    void lengthTextRoundsHalvesUp();
    void lengthModesTrackStretchAndFreeze_data();
    void lengthModesTrackStretchAndFreeze();
    void rulerAnglePointsFromAToE_data();
    void rulerAnglePointsFromAToE();
    void wavefrontAngleFixesAThenB();
    void wavefrontAngleLeavesTheAnimationToRedraw();
    void slitAngleIsFromTheVertical();
    void slitAngleWithoutWaveanalOnlyCounts();
    void everyReleaseCounts_data();
    void everyReleaseCounts();
    void pointerHeldOnPressAndRelease_data();
    void pointerHeldOnPressAndRelease();
};

void PointerTest::pressPlacesTheMeasurePoint_data()
{
    QTest::addColumn<QPoint>("current");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<bool>("anywhere");
    QTest::addColumn<QPoint>("placed");
    const QPoint start(384, 80);
    QTest::newRow("anywhere") << start << QPoint(100, 50) << true << QPoint(112, 62);
    QTest::newRow("last column before the edge")
        << start << QPoint(697, 50) << true << QPoint(709, 62);
    QTest::newRow("first of the rightmost columns")
        << start << QPoint(698, 50) << true << QPoint(706, 62);
    QTest::newRow("last column") << start << QPoint(708, 50) << true << QPoint(706, 62);
    QTest::newRow("just above the source row")
        << start << QPoint(100, 341) << true << QPoint(112, 353);
    QTest::newRow("on the source row") << start << QPoint(100, 343) << true << QPoint(112, 354);
    QTest::newRow("below the source row") << start << QPoint(100, 348) << true << QPoint(112, 354);
    QTest::newRow("on the band only x")
        << QPoint(384, 55) << QPoint(100, 300) << false << QPoint(112, 55);
    QTest::newRow("on the band below the sources")
        << QPoint(384, 400) << QPoint(700, 10) << false << QPoint(706, 354);
}

void PointerTest::pressPlacesTheMeasurePoint()
{
    QFETCH(QPoint, current);
    QFETCH(QPoint, press);
    QFETCH(bool, anywhere);
    QFETCH(QPoint, placed);
    QCOMPARE(measurePointForPress(current, press.x(), press.y(), anywhere, sourceTop), placed);
}

void PointerTest::measurementsPageTexts_data()
{
    QTest::addColumn<int>("L1");
    QTest::addColumn<int>("L2");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QList<int>>("values"); // d1, d2, path difference, width, along, angle
    QTest::newRow("start") << 324 << 384 << QPoint(384, 80) << QList{281, 275, 6, 30, 275, 6};
    QTest::newRow("above the midpoint")
        << 324 << 384 << QPoint(354, 80) << QList{276, 276, 0, 0, 275, 0};
    QTest::newRow("midpoint of an odd sum truncates")
        << 324 << 385 << QPoint(354, 80) << QList{276, 276, 0, 0, 275, 0};
    // 10.82 and 10.0: the exact difference is near 1, the truncated one 0
    QTest::newRow("truncations meet")
        << 291 << 308 << QPoint(300, 349) << QList{10, 10, 0, 1, 6, 9};
    // 11.18 and 10.77: the exact difference is under a half, the truncated one 1
    QTest::newRow("truncations part")
        << 295 << 304 << QPoint(300, 345) << QList{11, 10, 1, 1, 10, 5};
    QTest::newRow("left of the centre line")
        << 324 << 384 << QPoint(254, 255) << QList{122, 164, 42, 100, 100, 45};
    QTest::newRow("on the source row")
        << 324 << 384 << QPoint(384, sourceTop) << QList{60, 0, 60, 30, 0, 90};
}

void PointerTest::measurementsPageTexts()
{
    QFETCH(int, L1);
    QFETCH(int, L2);
    QFETCH(QPoint, point);
    QFETCH(QList<int>, values);
    const MeasureLabels labels = measureLabels(L1, L2, sourceTop, point);
    QCOMPARE(labels.d1lb, QStringLiteral("From Left Point: %1").arg(values[0]));
    QCOMPARE(labels.d2lb, QStringLiteral("From Right Point: %1").arg(values[1]));
    QCOMPARE(labels.changelb, QStringLiteral("Path Difference: %1").arg(values[2]));
    QCOMPARE(labels.bisectlb, QStringLiteral("Width from CL: %1").arg(values[3]));
    QCOMPARE(labels.centerlb, QStringLiteral("Along CL: %1").arg(values[4]));
    QCOMPARE(labels.bianglelb, QStringLiteral("Bisector Angle: %1").arg(values[5]));
}

void PointerTest::copySelectionFollowsTheDrag()
{
    FakeHost host(copySelection);
    SharedState state;
    pointer::press(host, state, 10, 20);
    QVERIFY(state.selecting);
    QCOMPARE(state.anchorPoint, QPoint(10, 20));
    QCOMPARE(state.movingPoint, QPoint(10, 20));
    QCOMPARE(host.take(), QStringList{"frame 10,20 0x0"});

    pointer::move(host, state, 4, 50);
    QCOMPARE(state.anchorPoint, QPoint(4, 50));
    QCOMPARE(state.movingPoint, QPoint(10, 20));
    // the corners follow the pointer outside the view while the button is held
    pointer::move(host, state, -5, -3);
    QCOMPARE(host.take(), (QStringList{"frame 4,20 6x30", "frame -5,-3 15x23"}));

    pointer::release(host, state, -5, -3);
    QVERIFY(!state.selecting);
    QCOMPARE(host.take(), QStringList{"finish"});
    QCOMPARE(state.clickPhase, 1);

    // a click without a drag finishes a zero-sized selection
    click(host, state, 30, 40);
    QCOMPARE(host.take(), (QStringList{"frame 30,40 0x0", "finish"}));
    QCOMPARE(state.clickPhase, 2);

    // moves after the release leave the frame alone
    pointer::move(host, state, 60, 60);
    QVERIFY(host.take().isEmpty());
}

void PointerTest::copySelectionNeedsTheDefaultCursor()
{
    PointerControls c = huygensDistance;
    c.copySelect = true;
    FakeHost measuring(c);
    SharedState state;
    pointer::press(measuring, state, 10, 20);
    QVERIFY(!state.selecting);
    QVERIFY(state.pointerHeld);
    QVERIFY(measuring.take().isEmpty());

    FakeHost off{PointerControls{}};
    pointer::press(off, state, 10, 20);
    pointer::move(off, state, 30, 40);
    pointer::release(off, state, 30, 40);
    QVERIFY(off.take().isEmpty());
}

void PointerTest::interferencePressPlacesThePoint()
{
    FakeHost host(interferenceMeasuring);
    SharedState state;
    pointer::press(host, state, 100, 50);
    QCOMPARE(host.take(), (QStringList{"place 100,50", "drawinter"}));
    // the labels change only on a press
    pointer::move(host, state, 120, 70);
    pointer::release(host, state, 120, 70);
    QVERIFY(host.take().isEmpty());

    FakeHost arrow{PointerControls{}};
    pointer::press(arrow, state, 100, 50);
    QVERIFY(arrow.take().isEmpty());
}

void PointerTest::lengthTextRoundsHalvesUp_data()
{
    QTest::addColumn<double>("d");
    QTest::addColumn<QString>("text");
    QTest::newRow("rounds up into the next unit") << 12.96 << "13.0";
    QTest::newRow("rounds down") << 12.94 << "12.9";
    QTest::newRow("half a tenth") << 0.95 << "1.0";
    QTest::newRow("just under a tenth") << 0.049 << "0.0";
}

void PointerTest::lengthTextRoundsHalvesUp()
{
    QFETCH(double, d);
    QFETCH(QString, text);
    QCOMPARE(lengthText(d), text);
}

void PointerTest::lengthModesTrackStretchAndFreeze_data()
{
    QTest::addColumn<PointerControls>("controls");
    QTest::addColumn<QString>("redraw");
    QTest::newRow("Huygens distance") << huygensDistance << "lrbt";
    QTest::newRow("wavefront length") << wavefrontLength << "refractbttry";
    PointerControls distanceOnWavefrontPage = huygensDistance;
    distanceOnWavefrontPage.activeHuygensPage = 1;
    QTest::newRow("distance on the wavefront page") << distanceOnWavefrontPage << "refractbttry";
}

void PointerTest::lengthModesTrackStretchAndFreeze()
{
    QFETCH(PointerControls, controls);
    QFETCH(QString, redraw);
    FakeHost host(controls);
    SharedState state;
    const auto shown = [&](const QString &value) {
        return QStringList{redraw, "Analis Length = " + value, "analis2 Distance: " + value};
    };

    // tracking: a 20-pixel ruler starts at the pointer
    pointer::move(host, state, 100, 200);
    QCOMPARE(state.anchorPoint, QPoint(100, 200));
    QCOMPARE(state.rulerEnd, QPoint(120, 200));
    QCOMPARE(state.movingPoint, state.anchorPoint);
    QCOMPARE(host.take(), shown("20.0"));

    // the first click fixes A, the ruler stretches to the pointer
    click(host, state, 100, 200);
    QCOMPARE(host.take(), QStringList{});
    pointer::move(host, state, 112, 205);
    QCOMPARE(state.anchorPoint, QPoint(100, 200));
    QCOMPARE(state.rulerEnd, QPoint(112, 205));
    QCOMPARE(host.take(), shown("13.0"));

    // the second click freezes it; moves still redraw
    click(host, state, 112, 205);
    pointer::move(host, state, 300, 10);
    QCOMPARE(state.anchorPoint, QPoint(100, 200));
    QCOMPARE(state.rulerEnd, QPoint(112, 205));
    QCOMPARE(host.take(), shown("13.0"));

    // the third returns to tracking
    click(host, state, 300, 10);
    QCOMPARE(state.clickPhase, 0);
    pointer::move(host, state, 40, 30);
    QCOMPARE(state.rulerEnd, QPoint(60, 30));
    QCOMPARE(host.take(), shown("20.0"));
}

void PointerTest::rulerAnglePointsFromAToE_data()
{
    QTest::addColumn<QPoint>("end");
    QTest::newRow("right") << QPoint(120, 100);
    QTest::newRow("left") << QPoint(80, 100);
    QTest::newRow("straight up") << QPoint(100, 60);
    QTest::newRow("straight down") << QPoint(100, 130);
    QTest::newRow("down right") << QPoint(103, 104);
    QTest::newRow("up left") << QPoint(70, 60);
    QTest::newRow("up right") << QPoint(140, 97);
    QTest::newRow("down left") << QPoint(99, 300);
}

void PointerTest::rulerAnglePointsFromAToE()
{
    QFETCH(QPoint, end);
    FakeHost host(huygensDistance);
    SharedState state;
    pointer::move(host, state, 100, 100);
    click(host, state, 100, 100);
    pointer::move(host, state, end.x(), end.y());
    // A - r (cos, sin) lies on the ray from A through E
    const QPointF d = end - state.anchorPoint;
    const double r = std::hypot(d.x(), d.y());
    QVERIFY(qAbs(-std::cos(state.rulerAngle) - d.x() / r) < 1e-12);
    QVERIFY(qAbs(-std::sin(state.rulerAngle) - d.y() / r) < 1e-12);
}

void PointerTest::wavefrontAngleFixesAThenB()
{
    FakeHost host(wavefrontAngle);
    SharedState state;
    pointer::move(host, state, 50, 60);
    QCOMPARE(state.anchorPoint, QPoint(50, 60));
    QCOMPARE(state.movingPoint, QPoint(50, 60));
    QCOMPARE(host.take(), (QStringList{"refractbttry", "Analis Angle = 90.0°"}));

    // the first click fixes A at the release point; phase 1 asks for no redraw here
    pointer::press(host, state, 50, 60);
    pointer::release(host, state, 52, 61);
    QCOMPARE(state.anchorPoint, QPoint(52, 61));
    QVERIFY(host.take().isEmpty());

    pointer::move(host, state, 82, 61);
    QCOMPARE(host.take(), (QStringList{"refractbttry", "Analis Angle = 0.0°"}));
    pointer::move(host, state, 52, 10);
    QCOMPARE(host.take(), (QStringList{"refractbttry", "Analis Angle = 90.0°"}));
    pointer::move(host, state, 42, 71);
    QCOMPARE(host.take(), (QStringList{"refractbttry", "Analis Angle = 45.0°"}));

    // the second click fixes B at the release point
    pointer::press(host, state, 42, 71);
    pointer::release(host, state, 22, 61);
    QCOMPARE(state.clickPhase, 2);
    QCOMPARE(state.movingPoint, QPoint(22, 61));
    QCOMPARE(host.take(), QStringList{"refractbttry"});
    pointer::move(host, state, 300, 300);
    QCOMPARE(state.anchorPoint, QPoint(52, 61));
    QCOMPARE(state.movingPoint, QPoint(22, 61));
    QCOMPARE(host.take(), (QStringList{"refractbttry", "Analis Angle = 0.0°"}));

    // the third fixes a new A and goes straight on to B
    click(host, state, 200, 100);
    QCOMPARE(state.clickPhase, 1);
    QCOMPARE(state.anchorPoint, QPoint(200, 100));
    QCOMPARE(host.take(), QStringList{"refractbttry"});
    pointer::move(host, state, 230, 130);
    QCOMPARE(state.movingPoint, QPoint(230, 130));
    QCOMPARE(host.take(), (QStringList{"refractbttry", "Analis Angle = 45.0°"}));
}

void PointerTest::wavefrontAngleLeavesTheAnimationToRedraw()
{
    PointerControls c = wavefrontAngle;
    c.movecb = true;
    FakeHost host(c);
    SharedState state;
    pointer::move(host, state, 50, 60);
    for (int i = 0; i < 3; ++i)
        click(host, state, 70 + i, 60);
    QCOMPARE(host.take(), QStringList{"Analis Angle = 90.0°"});
}

void PointerTest::slitAngleIsFromTheVertical()
{
    FakeHost host(slitAngle);
    SharedState state;
    pointer::move(host, state, 50, 60);
    QCOMPARE(host.take(), (QStringList{"opening", "anlb Angle is 0.0°"}));

    click(host, state, 50, 60);
    QCOMPARE(host.take(), QStringList{"opening"});
    pointer::move(host, state, 50, 200);
    QCOMPARE(host.take(), (QStringList{"opening", "anlb Angle is 0.0°"}));
    pointer::move(host, state, 10, 60);
    QCOMPARE(host.take(), (QStringList{"opening", "anlb Angle is 90.0°"}));
    pointer::move(host, state, 40, 70);
    QCOMPARE(host.take(), (QStringList{"opening", "anlb Angle is 45.0°"}));

    click(host, state, 40, 70);
    QCOMPARE(state.movingPoint, QPoint(40, 70));
    QCOMPARE(host.take(), QStringList{"opening"});
    click(host, state, 5, 5);
    QCOMPARE(state.anchorPoint, QPoint(5, 5));
    QCOMPARE(state.clickPhase, 1);
    QCOMPARE(host.take(), QStringList{"opening"});
}

void PointerTest::slitAngleWithoutWaveanalOnlyCounts()
{
    FakeHost host(slitAngleAfterDeactivation);
    SharedState state;
    pointer::move(host, state, 5, 5);
    host.take();
    // the press in phase 0 puts A; the release leaves it there and redraws nothing
    click(host, state, 10, 10);
    QCOMPARE(state.anchorPoint, QPoint(10, 10));
    QVERIFY(host.take().isEmpty());
    pointer::move(host, state, 10, 40);
    QCOMPARE(state.movingPoint, QPoint(10, 40));
    QCOMPARE(host.take(), (QStringList{"opening", "anlb Angle is 0.0°"}));

    click(host, state, 30, 30);
    pointer::move(host, state, 60, 10);
    QCOMPARE(state.anchorPoint, QPoint(10, 10));
    QCOMPARE(state.movingPoint, QPoint(10, 40));

    // the third click returns to tracking
    click(host, state, 60, 10);
    QCOMPARE(state.clickPhase, 0);
    pointer::move(host, state, 70, 20);
    QCOMPARE(state.anchorPoint, QPoint(70, 20));
    QCOMPARE(state.movingPoint, QPoint(70, 20));
}

void PointerTest::everyReleaseCounts_data()
{
    QTest::addColumn<PointerControls>("controls");
    QTest::addColumn<QList<int>>("phases");
    const QList<int> cycle{1, 2, 0, 1};
    QTest::newRow("no mode") << PointerControls{} << cycle;
    QTest::newRow("copy selection") << copySelection << cycle;
    QTest::newRow("interference measuring") << interferenceMeasuring << cycle;
    QTest::newRow("Huygens distance") << huygensDistance << cycle;
    QTest::newRow("wavefront length") << wavefrontLength << cycle;
    QTest::newRow("slit angle after a deactivation") << slitAngleAfterDeactivation << cycle;
    // a release into phase 0 goes straight on to 1
    QTest::newRow("wavefront angle") << wavefrontAngle << QList{1, 2, 1, 2};
    QTest::newRow("slit angle") << slitAngle << QList{1, 2, 1, 2};
}

void PointerTest::everyReleaseCounts()
{
    QFETCH(PointerControls, controls);
    QFETCH(QList<int>, phases);
    FakeHost host(controls);
    SharedState state;
    for (int expected : phases) {
        click(host, state, 10, 10);
        QCOMPARE(state.clickPhase, expected);
    }
}

void PointerTest::pointerHeldOnPressAndRelease_data()
{
    QTest::addColumn<PointerControls>("controls");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("released");
    QTest::newRow("interference keeps it") << interferenceMeasuring << false << true << true;
    QTest::newRow("Huygens distance") << huygensDistance << false << true << false;
    QTest::newRow("wavefront length") << wavefrontLength << false << true << false;
    QTest::newRow("wavefront angle") << wavefrontAngle << false << true << false;
    QTest::newRow("slit angle") << slitAngle << false << true << false;
    QTest::newRow("slit angle after a deactivation")
        << slitAngleAfterDeactivation << false << true << false;
    QTest::newRow("copy selection") << copySelection << false << false << false;
    // set by the factor list; the default cursor leaves it alone
    QTest::newRow("no mode") << PointerControls{} << true << true << true;
}

void PointerTest::pointerHeldOnPressAndRelease()
{
    QFETCH(PointerControls, controls);
    QFETCH(bool, before);
    QFETCH(bool, pressed);
    QFETCH(bool, released);
    FakeHost host(controls);
    SharedState state;
    state.pointerHeld = before;
    pointer::press(host, state, 10, 10);
    QCOMPARE(state.pointerHeld, pressed);
    pointer::release(host, state, 10, 10);
    QCOMPARE(state.pointerHeld, released);
}

QTEST_APPLESS_MAIN(PointerTest)
#include "test_pointer.moc"
