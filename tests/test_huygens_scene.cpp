// SPDX-License-Identifier: GPL-3.0-or-later
#include "huygens/wavefront.h"
#include "huygens/wavelet_row.h"
#include "platform/canvas.h"
#include "recording_canvas.h"

#include <QTest>

#include <cmath>

using namespace wave;
using Op = RecordingCanvas::Op;
Q_DECLARE_METATYPE(WaveletRowParams)

namespace {

// Centre and radius of every arc, in drawing order.
QList<QPoint> arcs(const RecordingCanvas &canvas, QRgb pen)
{
    QList<QPoint> found;
    for (const auto &call : canvas.only(Op::Arc))
        if (call.pen.colour == pen)
            found.append(
                QPoint((call.args[0] + call.args[2]) / 2, (call.args[2] - call.args[0]) / 2));
    return found;
}

QList<int> markerColumns(const RecordingCanvas &canvas)
{
    QList<int> found;
    for (const auto &call : canvas.only(Op::Line))
        if (call.pen.colour == colour::red && call.pen.width == 2 && call.args[1] == 329 &&
            call.args[3] == 349 && call.args[0] == call.args[2])
            found.append(call.args[0]);
    return found;
}

} // namespace

class TestHuygensScene : public QObject {
    Q_OBJECT
private slots:
    void waveletRow_data();
    void waveletRow();
    void visibility();
    void wavefrontFront_data();
    void wavefrontFront();
    void wavefrontWavelets();
    void clippedFrontMeetsBoundary_data();
    void clippedFrontMeetsBoundary();
    void rays();
    void grazingRefraction();
};

void TestHuygensScene::waveletRow_data()
{
    QTest::addColumn<WaveletRowParams>("params");
    QTest::addColumn<int>("dots");
    QTest::addColumn<QList<QPoint>>("expected"); // (centre x, radius) of each arc
    QTest::addColumn<QList<int>>("markers");

    QTest::newRow("time 0 shows only dots")
        << WaveletRowParams{} << 20 << QList<QPoint>{} << QList<int>{};
    WaveletRowParams sim;
    sim.t = 10;
    QList<QPoint> equal;
    for (int b = 1; b <= 20; ++b)
        equal.append(QPoint(205 + 15 * (b - 1), 95));
    QTest::newRow("simultaneous equal radii") << sim << 20 << equal << QList<int>{};
    WaveletRowParams seq = sim;
    seq.sequential = true;
    QList<QPoint> later;
    for (int b = 1; b <= 19; ++b)
        later.append(QPoint(205 + 15 * (b - 1), int(std::trunc((300.0 - 15 * b) / 30 * 10))));
    QTest::newRow("sequential, last source not started")
        << seq << 20 << later << QList<int>(19, 488);
    WaveletRowParams one = sim;
    one.N = 1;
    QTest::newRow("one source right of the centre")
        << one << 1 << QList<QPoint>{{355, 95}} << QList<int>{};
    WaveletRowParams waves = sim;
    waves.N = 1;
    waves.M = 3;
    waves.P = 10;
    QTest::newRow("later waves of one source")
        << waves << 1 << QList<QPoint>{{355, 95}, {355, 85}, {355, 75}} << QList<int>{};
    WaveletRowParams uneven;
    uneven.N = 2;
    uneven.S = 40;
    uneven.t = 3;
    uneven.sequential = true;
    // R = 120; source 1 at 340: Trunc(105 / 40 * 10) = 26; source 2: Trunc(90 / 40 * 10) = 22
    QTest::newRow("sequential speed not dividing")
        << uneven << 2 << QList<QPoint>{{340, 26}, {355, 22}} << QList<int>{443, 443};
}

void TestHuygensScene::waveletRow()
{
    QFETCH(WaveletRowParams, params);
    QFETCH(int, dots);
    QFETCH(QList<QPoint>, expected);
    QFETCH(QList<int>, markers);
    RecordingCanvas canvas;
    drawWaveletRow(canvas, params);
    const auto discs = canvas.only(Op::Ellipse);
    QCOMPARE(int(discs.size()), dots);
    for (const auto &disc : discs) {
        QCOMPARE(disc.args[1], 317);
        QCOMPARE(disc.brush.colour, colour::green);
    }
    QCOMPARE(arcs(canvas, colour::green), expected);
    QCOMPARE(markerColumns(canvas), markers);
    for (const auto &call : canvas.only(Op::Arc)) {
        QCOMPARE(call.args[5], 319); // from the right point to the left: the upper half
        QCOMPARE(call.args[4], call.args[2]);
        QCOMPARE(call.brush.style, BrushStyle::Clear);
    }
}

void TestHuygensScene::visibility()
{
    WaveletRowParams params;
    params.N = 50;
    params.sep = 50;
    params.t = 100;
    RecordingCanvas canvas;
    drawWaveletRow(canvas, params);
    int visible = 0;
    int withWaves = 0;
    for (int b = 1; b <= 50; ++b) {
        const int x = 354 + (25 - b) * 50 - 1;
        if (0 < x && x < 709) {
            ++visible;
            if (sourceX(params, b) > 0)
                ++withWaves;
        }
        QCOMPARE(sourceVisible(params, b), 0 < x && x < 709);
    }
    QCOMPARE(int(canvas.only(Op::Ellipse).size()), visible);
    QCOMPARE(int(arcs(canvas, colour::green).size()), withWaves);
    QVERIFY(withWaves < visible); // the source at x = -10 shows its dot only
}

void TestHuygensScene::wavefrontFront_data()
{
    QTest::addColumn<bool>("refraction");
    QTest::addColumn<int>("tau");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("below the boundary")
        << true << 0 << true << QPoint(149, 202) << QPoint(274, 327);
    QTest::newRow("crossed entirely") << true << 300 << false << QPoint() << QPoint();
    QTest::newRow("clipped at the wall")
        << false << 300 << true << QPoint(437, 87) << QPoint(557, 207);
}

void TestHuygensScene::wavefrontFront()
{
    QFETCH(bool, refraction);
    QFETCH(int, tau);
    QFETCH(bool, drawn);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    WavefrontParams params;
    params.refraction = refraction;
    params.tau = tau;
    const FrontLine line = frontLine(params, 0);
    QCOMPARE(line.drawn, drawn);
    if (!drawn)
        return;
    QCOMPARE(line.from, from);
    QCOMPARE(line.to, to);
    RecordingCanvas canvas;
    drawWavefronts(canvas, params);
    bool found = false;
    for (const auto &call : canvas.only(Op::Line))
        found |= call.pen.width == 3 &&
                 call.args == std::vector<int>{from.x(), from.y(), to.x(), to.y()};
    QVERIFY(found);
}

void TestHuygensScene::wavefrontWavelets()
{
    WavefrontParams params;
    params.tau = 0;
    QVERIFY(wavelets(params, 0).empty());
    params.tau = 300;
    const std::vector<Wavelet> list = wavelets(params, 0);
    QCOMPARE(int(list.size()), 25);
    QCOMPARE(list.back().x, 180);
    QCOMPARE(list.back().r, 181);
    QCOMPARE(list.back().r2, 120);
    QCOMPARE(list.front().x, 420);
    QCOMPARE(list.front().r, 12);
    QCOMPARE(list.front().r2, 8);
    RecordingCanvas canvas;
    drawWavefronts(canvas, params);
    QCOMPARE(int(arcs(canvas, colour::green).size()), 25);
    QCOMPARE(int(arcs(canvas, colour::red).size()), 25);
    params.refraction = false;
    RecordingCanvas wall;
    drawWavefronts(wall, params);
    QVERIFY(arcs(wall, colour::red).isEmpty());
    QVERIFY(!arcs(wall, colour::green).isEmpty());
}

void TestHuygensScene::clippedFrontMeetsBoundary_data()
{
    QTest::addColumn<int>("angle");
    QTest::newRow("0.1") << 1;
    QTest::newRow("30") << 300;
    QTest::newRow("73.7") << 737;
    QTest::newRow("89") << 890;
}

void TestHuygensScene::clippedFrontMeetsBoundary()
{
    QFETCH(int, angle);
    const double th = angle / 10.0 / 180.0 * M_PI;
    for (bool refraction : {true, false}) {
        WavefrontParams params;
        params.angle = angle;
        params.refraction = refraction;
        for (int tau = 0; tau <= 700; tau += 7) {
            params.tau = tau;
            const FrontLine line = frontLine(params, 0);
            if (!line.drawn)
                continue;
            QVERIFY(line.to.y() > boundaryLine(params));
            if (line.from.y() == boundaryLine(params)) {
                // the crossing lies on the front's line, a pixel or two off for the truncations
                const double along = (line.to.x() - line.from.x()) * std::sin(th) -
                                     (line.to.y() - line.from.y()) * std::cos(th);
                QVERIFY2(std::abs(along) < 3, qPrintable(QString::number(along)));
            }
            for (const Wavelet &w : wavelets(params, 0)) {
                QVERIFY(w.x > firstContact());
                QVERIFY(w.r >= 0);
            }
        }
    }
}

void TestHuygensScene::rays()
{
    WavefrontParams params;
    params.rays = true;
    RecordingCanvas early;
    drawWavefronts(early, params);
    auto silver = [](const RecordingCanvas &canvas, Op op) {
        int n = 0;
        for (const auto &call : canvas.only(op))
            n += call.pen.colour == colour::silver;
        return n;
    };
    QCOMPARE(silver(early, Op::Line), 1);
    QCOMPARE(early.only(Op::Line)[0].args, (std::vector<int>{227, 174, 15, 386}));
    const auto head = early.only(Op::Polygon)[0];
    QCOMPARE(head.args.size(), std::size_t(8));
    QCOMPARE(head.args[0], 227 - int(60 * std::sin(M_PI / 4)));
    QCOMPARE(head.args[6], head.args[0]);
    QCOMPARE(head.brush.colour, colour::silver);

    params.tau = 300;
    RecordingCanvas late;
    drawWavefronts(late, params);
    QCOMPARE(silver(late, Op::Line), 3);
    QCOMPARE(late.only(Op::Line)[2].args, (std::vector<int>{227, 174, 368, -90}));
    QCOMPARE(silver(late, Op::Polygon), 3);
    params.refraction = false;
    RecordingCanvas wall;
    drawWavefronts(wall, params);
    QCOMPARE(silver(wall, Op::Line), 2);
    QCOMPARE(wall.only(Op::Line)[0].args[0], 277);
}

void TestHuygensScene::grazingRefraction()
{
    WavefrontParams params;
    params.c1 = 10;
    params.c2 = 15; // s = sin 45 * 1.5 > 1
    QCOMPARE(refractionAngle(params), M_PI / 2);
    params.c2 = 10;
    params.angle = 890;
    QVERIFY(refractionAngle(params) < M_PI / 2);
    params.c1 = 15;
    params.angle = 450;
    QVERIFY(std::abs(refractionAngle(params) * 180 / M_PI - 28.1) < 0.05);
}

QTEST_APPLESS_MAIN(TestHuygensScene)
#include "test_huygens_scene.moc"
