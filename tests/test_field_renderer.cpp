// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/field_renderer.h"
#include "recording_canvas.h"

#include "platform/bitmap_canvas.h"

#include <QImage>

#include <QTest>

using namespace wave;
using Op = RecordingCanvas::Op;
using Centres = std::array<int, 3>; // ring centres in view columns

class FieldRendererTest : public QObject {
    Q_OBJECT
private slots:
    void markersAreCentredOnTheFrameWidth_data();
    void markersAreCentredOnTheFrameWidth();
    void ringsAlternateCrestAndTrough_data();
    void ringsAlternateCrestAndTrough();
    void ringsOfCentresBeyondTheView_data();
    void ringsOfCentresBeyondTheView();
    void outerRingsReachTheView();
    void troughsAreRedOnlyWithColourWaves();
    void groundAndDiscsComeFirst();
    void overlaysRunToTheMeasurePoint_data();
    void overlaysRunToTheMeasurePoint();
    void leavesABlackBrushWithoutFill();
};

void FieldRendererTest::markersAreCentredOnTheFrameWidth_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("S");
    QTest::addColumn<int>("first");
    QTest::newRow("one source") << 1 << 60 << 354;
    QTest::newRow("two at 60") << 2 << 60 << 324;
    QTest::newRow("three at 60") << 3 << 60 << 294;
    QTest::newRow("two at design 105") << 2 << 105 << 302;
    QTest::newRow("two at 1") << 2 << 1 << 354;
    // 354.5 - 500 truncates toward zero, not down
    QTest::newRow("three far apart") << 3 << 500 << -145;
}

void FieldRendererTest::markersAreCentredOnTheFrameWidth()
{
    QFETCH(int, n);
    QFETCH(int, S);
    QFETCH(int, first);
    const std::array<int, 3> lefts = markerLefts(n, S);
    QCOMPARE(lefts[0], first);
    QCOMPARE(lefts[1], first + S);
    QCOMPARE(lefts[2], first + 2 * S);
}

void FieldRendererTest::ringsAlternateCrestAndTrough_data()
{
    QTest::addColumn<int>("P");
    QTest::addColumn<int>("T");
    QTest::addColumn<int>("firstRadius");
    QTest::addColumn<bool>("firstSolid");
    QTest::addColumn<int>("count");
    QTest::newRow("design, at rest") << 15 << 0 << 15 << false << 52;
    QTest::newRow("half a wave on") << 15 << 15 << 15 << true << 52;
    QTest::newRow("last tick of a period") << 15 << 29 << 29 << true << 51;
    QTest::newRow("smallest wavelength") << 2 << 0 << 2 << false << 395;
    QTest::newRow("largest wavelength") << 50 << 3 << 53 << false << 15;
    QTest::newRow("odd offset past P") << 7 << 10 << 10 << true << 112;
}

void FieldRendererTest::ringsAlternateCrestAndTrough()
{
    QFETCH(int, P);
    QFETCH(int, T);
    QFETCH(int, firstRadius);
    QFETCH(bool, firstSolid);
    QFETCH(int, count);

    RecordingCanvas canvas;
    FieldParams params;
    params.n = 1;
    params.P = {P, 15, 15};
    params.T = {T, 0, 0};
    drawField(canvas, params);

    const auto arcs = canvas.only(Op::Arc);
    QCOMPARE(int(arcs.size()), count);
    // one source sits at frame left 354: ring centre (342, 344), start and end rays level
    // with the marker top
    const int cx = 342, cy = 344;
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        const int r = firstRadius + int(i) * P;
        QCOMPARE(arcs[i].args,
                 (std::vector<int>{cx - r, cy - r, cx + r, cy + r, 709, 341, 0, 341}));
        const bool solid = (i % 2 == 0) == firstSolid;
        QCOMPARE(arcs[i].pen.style, solid ? PenStyle::Solid : PenStyle::Dot);
        QCOMPARE(arcs[i].pen.width, 1);
        QCOMPARE(arcs[i].brush.style, BrushStyle::Clear);
    }
    QVERIFY(firstRadius + (count - 1) * P <= ringReach());
    QVERIFY(firstRadius + count * P > ringReach());
}

void FieldRendererTest::ringsOfCentresBeyondTheView_data()
{
    QTest::addColumn<int>("S");
    QTest::addColumn<Centres>("centres");
    QTest::newRow("all inside") << 100 << Centres{242, 342, 442};
    QTest::newRow("left one on column 0") << 342 << Centres{0, 342, 684};
    QTest::newRow("left one just beyond") << 343 << Centres{-1, 342, 685};
    QTest::newRow("right one on the last column") << 365 << Centres{-22, 343, 708};
    QTest::newRow("right one just beyond") << 366 << Centres{-23, 343, 709};
    QTest::newRow("both far beyond") << 493 << Centres{-150, 343, 836};
}

void FieldRendererTest::ringsOfCentresBeyondTheView()
{
    QFETCH(int, S);
    QFETCH(Centres, centres);
    RecordingCanvas canvas;
    FieldParams params;
    params.n = 3;
    params.S = S;
    params.P = {40, 40, 40};
    drawField(canvas, params);

    const auto arcs = canvas.only(Op::Arc);
    const std::size_t perSource = arcs.size() / 3;
    QCOMPARE(arcs.size(), 3 * perSource);
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        const int cx = centres[i / perSource];
        const std::vector<int> &a = arcs[i].args;
        QCOMPARE((a[0] + a[2]) / 2, cx);
        // Inside, the rays toward the bottom corners; beyond, rays just under the level of a
        // true half, by a slope of one pixel in about 1.5 radii.
        const bool inside = cx >= 0 && cx < 709;
        const int r = (a[2] - a[0]) / 2;
        const std::vector<int> rays =
            inside ? std::vector<int>{709, 341, 0, 341}
                   : std::vector<int>{cx + 3 * r / 2, 345, cx - 3 * r / 2 - 1, 345};
        QCOMPARE(std::vector<int>(a.begin() + 4, a.end()), rays);
    }
}

void FieldRendererTest::outerRingsReachTheView()
{
    // At S 493 the outer centres lie 150 and 127 columns beyond the view; their rings cross
    // the edge columns all the way up, where each circle meets them, and end on the centre
    // row 344 like a true upper half: below it only the source discs are drawn.
    const auto draw = [](int S, int P) {
        QImage image(709, 349, QImage::Format_RGB32);
        BitmapCanvas canvas(image);
        FieldParams params;
        params.n = 3;
        params.S = S;
        params.P = {P, P, P};
        params.colourWaves = false;
        drawField(canvas, params);
        return image;
    };
    for (const auto &[S, P] : {std::pair{493, 40}, {493, 7}, {420, 2}, {380, 23}, {700, 60}}) {
        const QImage image = draw(S, P);
        const std::array<int, 3> lefts = markerLefts(3, S);
        int onCentreRow = 0;
        for (int x = 0; x < 709; ++x) {
            onCentreRow += image.pixel(x, 344) == 0xff000000u;
            const bool disc = std::any_of(lefts.begin(), lefts.end(), [x](int left) {
                return x >= left - 14 && x < left - 14 + 5;
            });
            for (int y = 345; y < 349 && !disc; ++y)
                QVERIFY2(image.pixel(x, y) == 0xffffffffu,
                         qPrintable(QStringLiteral("S %1, P %2: ring at (%3, %4)")
                                        .arg(S)
                                        .arg(P)
                                        .arg(x)
                                        .arg(y)));
        }
        QVERIFY(onCentreRow > 0);
    }
    const QImage image = draw(493, 40);
    // How many rings cross the column where they should; -1 for one that is missing there.
    const auto crossings = [&](int cx, int column) {
        int found = 0;
        for (int r = 80; r <= ringReach(); r += 80) {
            const int dx = column - cx;
            if (r <= std::abs(dx) + 1)
                continue;
            const int y = 344 - int(std::lround(std::sqrt(double(r * r - dx * dx))));
            if (y < 0)
                continue;
            bool hit = false;
            for (int dy = -2; dy <= 2; ++dy)
                hit = hit || (y + dy >= 0 && image.pixel(column, y + dy) == 0xff000000u);
            if (!hit)
                return -1;
            ++found;
        }
        return found;
    };
    QVERIFY(crossings(-150, 0) >= 3);
    QVERIFY(crossings(836, 708) >= 3);
}

void FieldRendererTest::troughsAreRedOnlyWithColourWaves()
{
    for (bool colourWaves : {true, false}) {
        RecordingCanvas canvas;
        FieldParams params;
        params.colourWaves = colourWaves;
        drawField(canvas, params);
        const auto arcs = canvas.only(Op::Arc);
        QCOMPARE(int(arcs.size()), 2 * 52);
        for (const auto &arc : arcs) {
            const bool red = colourWaves && arc.pen.style == PenStyle::Dot;
            QCOMPARE(arc.pen.colour, red ? colour::red : colour::black);
        }
    }
}

void FieldRendererTest::groundAndDiscsComeFirst()
{
    RecordingCanvas canvas;
    FieldParams params;
    params.n = 3;
    drawField(canvas, params);

    QVERIFY(canvas.calls.size() > 4);
    const auto &ground = canvas.calls[0];
    QCOMPARE(ground.op, Op::Rectangle);
    QCOMPARE(ground.args, (std::vector<int>{0, 0, 711, 349}));
    QCOMPARE(ground.pen.style, PenStyle::Clear);
    QCOMPARE(ground.brush.colour, colour::white);
    QCOMPARE(ground.brush.style, BrushStyle::Solid);
    // three sources 60 apart from frame left 294: discs in the marker boxes, view row 341
    for (int k = 0; k < 3; ++k) {
        const auto &disc = canvas.calls[std::size_t(k) + 1];
        const int left = 294 + 60 * k - 14;
        QCOMPARE(disc.op, Op::Ellipse);
        QCOMPARE(disc.args, (std::vector<int>{left, 341, left + 5, 346}));
        QCOMPARE(disc.brush.colour, colour::black);
        QCOMPARE(disc.brush.style, BrushStyle::Solid);
        QCOMPARE(disc.pen.colour, colour::black);
    }
    QCOMPARE(canvas.calls[4].op, Op::Arc);
}

void FieldRendererTest::overlaysRunToTheMeasurePoint_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("side");
    QTest::newRow("right of the centre line") << QPoint(384, 80) << 10;
    QTest::newRow("left of the centre line") << QPoint(200, 150) << -10;
    QTest::newRow("on the middle") << QPoint(354, 150) << 10;
}

void FieldRendererTest::overlaysRunToTheMeasurePoint()
{
    QFETCH(QPoint, point);
    QFETCH(int, side);
    RecordingCanvas canvas;
    FieldParams params; // two sources at frame lefts 324 and 384, middle 354
    params.bisector = true;
    params.distances = true;
    params.measurePoint = point;
    drawField(canvas, params);

    const int xm = 342, px = point.x() - 12, py = point.y() - 12;
    const auto lines = canvas.only(Op::Line);
    const std::vector<std::vector<int>> expected{{xm, 346, xm, 0},
                                                 {xm, 344, px, py},
                                                 {px, py, xm, py},
                                                 {372, 343, px, py},
                                                 {312, 343, px, py}};
    QCOMPARE(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines[i].args, expected[i]);
        QCOMPARE(lines[i].pen.colour, colour::red);
        QCOMPARE(lines[i].pen.style, PenStyle::Solid);
    }
    const auto marks = canvas.only(Op::Rectangle);
    QCOMPARE(marks.size(), std::size_t(2));
    QCOMPARE(marks[1].args, (std::vector<int>{xm, py, xm + side, py + 10}));
    QCOMPARE(marks[1].brush.style, BrushStyle::Clear);
    QCOMPARE(marks[1].pen.colour, colour::red);
    // the overlays lie under the rings
    QCOMPARE(canvas.calls[3].op, Op::Line);
}

void FieldRendererTest::leavesABlackBrushWithoutFill()
{
    RecordingCanvas canvas;
    drawField(canvas, FieldParams{});
    QCOMPARE(canvas.brush().colour, colour::black);
    QCOMPARE(canvas.brush().style, BrushStyle::Clear);
}

QTEST_APPLESS_MAIN(FieldRendererTest)
#include "test_field_renderer.moc"
