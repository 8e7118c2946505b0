// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bitmap_canvas.h"
#include "recording_canvas.h"
#include "slit/slit_scene.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace wave;
using Op = RecordingCanvas::Op;

class SlitSceneTest : public QObject {
    Q_OBJECT
private slots:
    void edgeDirections_data();
    void edgeDirections();
    void defaultPictureCallByCall();
    void frontsFollowWavelengthAndPhase_data();
    void frontsFollowWavelengthAndPhase();
    void bendsRunFromTheEdgeAngleToTheTop();
    void bendsAreQuarterCirclesWhenTheSlitIsNarrow_data();
    void bendsAreQuarterCirclesWhenTheSlitIsNarrow();
    void gapIsTwiceHalfTheWidth_data();
    void gapIsTwiceHalfTheWidth();
    void phaseWrapsAfterAWavelength_data();
    void phaseWrapsAfterAWavelength();
};

void SlitSceneTest::edgeDirections_data()
{
    QTest::addColumn<int>("lambda");
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QPoint>("right");
    QTest::addColumn<QPoint>("left");
    // sin = 1/3: 133 to the side, 377 up from the slit edges at x 369 and 339
    QTest::newRow("10 through 30") << 10 << 30 << 19.471 << QPoint(502, -78) << QPoint(206, -78);
    QTest::newRow("design 10 through 20")
        << 10 << 20 << 30.0 << QPoint(564, -47) << QPoint(144, -47);
    QTest::newRow("20 through 50") << 20 << 50 << 23.578 << QPoint(539, -67) << QPoint(169, -67);
    QTest::newRow("3 through 50") << 3 << 50 << 3.440 << QPoint(402, -100) << QPoint(306, -100);
    QTest::newRow("as wide as the wave")
        << 10 << 10 << 90.0 << QPoint(759, 299) << QPoint(-51, 299);
    QTest::newRow("20 through 10") << 20 << 10 << 90.0 << QPoint(759, 299) << QPoint(-51, 299);
    QTest::newRow("3 through 2") << 3 << 2 << 90.0 << QPoint(755, 299) << QPoint(-47, 299);
}

void SlitSceneTest::edgeDirections()
{
    QFETCH(int, lambda);
    QFETCH(int, width);
    QFETCH(double, degrees);
    QFETCH(QPoint, right);
    QFETCH(QPoint, left);
    const SlitGeometry g = slitGeometry({lambda, width, 0}, 709, 349);
    QCOMPARE(g.f, 299);
    QCOMPARE(g.cx, 354);
    QVERIFY(std::abs(g.phi * 180 / std::numbers::pi - degrees) < 0.001);
    QCOMPARE(g.rightEnd, right);
    QCOMPARE(g.leftEnd, left);
}

void SlitSceneTest::defaultPictureCallByCall()
{
    RecordingCanvas canvas;
    drawSlit(canvas, {});

    const auto rectangles = canvas.only(Op::Rectangle);
    QCOMPARE(rectangles.size(), std::size_t(3));
    // the ground reaches one pixel beyond the view, drawn without an outline
    QCOMPARE(rectangles[0].args, (std::vector<int>{0, 0, 710, 350}));
    QCOMPARE(rectangles[0].pen.style, PenStyle::Clear);
    QCOMPARE(rectangles[0].brush.colour, colour::white);
    QCOMPARE(rectangles[1].args, (std::vector<int>{0, 295, 344, 300}));
    QCOMPARE(rectangles[2].args, (std::vector<int>{364, 295, 709, 300}));
    for (std::size_t k : {1u, 2u}) {
        QCOMPARE(rectangles[k].brush.colour, colour::black);
        QCOMPARE(rectangles[k].pen.colour, colour::black);
    }

    // 6 incoming fronts at 309 to 359, then 42 diffracted ones with two bends each
    const auto lines = canvas.only(Op::Line);
    QCOMPARE(lines.size(), std::size_t(6 + 42));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(lines[std::size_t(i)].args,
                 (std::vector<int>{0, 309 + 10 * i, 709, 309 + 10 * i}));
    // the first front has radius 0 and lies on the barrier line
    QCOMPARE(lines[6].args, (std::vector<int>{364, 299, 342, 299}));
    QCOMPARE(lines.back().args, (std::vector<int>{364, 299 - 410, 342, 299 - 410}));
    QCOMPARE(canvas.only(Op::Arc).size(), std::size_t(84));
    for (const auto &call : canvas.calls) {
        if (call.op == Op::Line || call.op == Op::Arc) {
            QCOMPARE(call.pen.colour, colour::black);
            QCOMPARE(call.pen.width, 1);
            QCOMPARE(call.pen.style, PenStyle::Solid);
        }
    }
    QCOMPARE(canvas.pen().width, 2);
    QCOMPARE(canvas.pen().colour, colour::black);
    QCOMPARE(canvas.pen().style, PenStyle::Solid);
}

void SlitSceneTest::frontsFollowWavelengthAndPhase_data()
{
    QTest::addColumn<int>("lambda");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("incoming");
    QTest::addColumn<int>("firstIncoming");
    QTest::addColumn<int>("diffracted");
    QTest::addColumn<int>("firstRadius");
    QTest::newRow("design") << 10 << 20 << 0 << 6 << 309 << 42 << 0;
    QTest::newRow("design, late phase") << 10 << 20 << 9 << 6 << 300 << 42 << 9;
    QTest::newRow("narrowest wave and slit") << 3 << 2 << 0 << 17 << 302 << 140 << 0;
    QTest::newRow("widest wave, wide slit") << 20 << 50 << 7 << 3 << 312 << 21 << 7;
    // a phase left behind by a longer wave is drawn as the phase it stands for
    QTest::newRow("phase past the wavelength") << 5 << 20 << 17 << 11 << 302 << 84 << 2;
}

void SlitSceneTest::frontsFollowWavelengthAndPhase()
{
    QFETCH(int, lambda);
    QFETCH(int, width);
    QFETCH(int, phase);
    QFETCH(int, incoming);
    QFETCH(int, firstIncoming);
    QFETCH(int, diffracted);
    QFETCH(int, firstRadius);

    RecordingCanvas canvas;
    drawSlit(canvas, {lambda, width, phase});
    const auto lines = canvas.only(Op::Line);
    QCOMPARE(int(lines.size()), incoming + diffracted);
    QCOMPARE(canvas.only(Op::Arc).size(), std::size_t(2 * diffracted));
    for (int i = 0; i < incoming; ++i) {
        const int y = firstIncoming + lambda * i;
        QCOMPARE(lines[std::size_t(i)].args, (std::vector<int>{0, y, 709, y}));
        QVERIFY(y > 299); // never over the barrier
    }
    const int hw = width / 2;
    const auto &first = lines[std::size_t(incoming)];
    QCOMPARE(first.args,
             (std::vector<int>{354 + hw, 299 - firstRadius, 352 - hw, 299 - firstRadius}));
    // the last front lies within a wavelength of 120 pixels beyond the view's top
    const int lastY = lines.back().args[1];
    QVERIFY(lastY > -120 - lambda && lastY < -120 + lambda);
}

void SlitSceneTest::bendsRunFromTheEdgeAngleToTheTop()
{
    RecordingCanvas canvas;
    drawSlit(canvas, {10, 30, 4});
    const auto arcs = canvas.only(Op::Arc);
    // the fourth front has radius 34; the bends turn about the slit edges' inner pixels and
    // end at the vertical through them, fixed 400 pixels up
    const int r = 34;
    const int cR = 354 + 15 - 1;
    const int cL = 354 - 15 - 1;
    QCOMPARE(arcs[6].args,
             (std::vector<int>{cR - r, 299 - r, cR + r, 299 + r, 502, -78, cR, -101}));
    QCOMPARE(arcs[7].args,
             (std::vector<int>{cL - r, 299 - r, cL + r, 299 + r, cL, -101, 206, -78}));
}

void SlitSceneTest::bendsAreQuarterCirclesWhenTheSlitIsNarrow_data()
{
    QTest::addColumn<int>("lambda");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("quarter");
    QTest::newRow("20 through 10") << 20 << 10 << true;
    QTest::newRow("3 through 2") << 3 << 2 << true;
    QTest::newRow("as wide as the wave") << 12 << 12 << true;
    QTest::newRow("design") << 10 << 20 << false;
    QTest::newRow("20 through 50") << 20 << 50 << false;
}

void SlitSceneTest::bendsAreQuarterCirclesWhenTheSlitIsNarrow()
{
    QFETCH(int, lambda);
    QFETCH(int, width);
    QFETCH(bool, quarter);
    QImage image(709, 349, QImage::Format_RGB32);
    BitmapCanvas canvas(image);
    drawSlit(canvas, {lambda, width, 0});
    // Far to the sides only quarter circles come down.
    int black = 0;
    for (int y = 0; y < 294; ++y)
        for (int x : {40, 660})
            black += image.pixel(x, y) == colour::black;
    QCOMPARE(black > 0, quarter);
}

void SlitSceneTest::gapIsTwiceHalfTheWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("odd 21") << 21;
    QTest::newRow("even 20") << 20;
    QTest::newRow("narrowest") << 2;
    QTest::newRow("odd 3") << 3;
    QTest::newRow("widest") << 50;
}

void SlitSceneTest::gapIsTwiceHalfTheWidth()
{
    QFETCH(int, width);
    QImage image(709, 349, QImage::Format_RGB32);
    BitmapCanvas canvas(image);
    drawSlit(canvas, {3, width, 1});
    // the row just under the barrier's top edge, between the fronts
    const int y = 296;
    int gap = 0;
    for (int x = 0; x < 709; ++x)
        gap += image.pixel(x, y) == colour::white;
    QCOMPARE(gap, 2 * (width / 2));
    QCOMPARE(image.pixel(354 - width / 2 - 1, y), colour::black);
    QCOMPARE(image.pixel(354 + width / 2, y), colour::black);
}

void SlitSceneTest::phaseWrapsAfterAWavelength_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("lambda");
    QTest::addColumn<int>("next");
    QTest::newRow("start") << 0 << 10 << 1;
    QTest::newRow("last of a period") << 9 << 10 << 0;
    QTest::newRow("shortest wave") << 2 << 3 << 0;
    QTest::newRow("left past a shrunk wave") << 15 << 10 << 6;
}

void SlitSceneTest::phaseWrapsAfterAWavelength()
{
    QFETCH(int, phase);
    QFETCH(int, lambda);
    QFETCH(int, next);
    QCOMPARE(nextPhase(phase, lambda), next);
}

QTEST_MAIN(SlitSceneTest)
#include "test_slit_scene.moc"
