// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/instruments.h"
#include "platform/bitmap_canvas.h"
#include "recording_canvas.h"
#include "view/pointer.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace wave;
using std::numbers::pi;

namespace {

constexpr QPoint A(200, 150);

QPoint lineStart(const RecordingCanvas::Call &call)
{
    return {call.args[0], call.args[1]};
}
QPoint lineEnd(const RecordingCanvas::Call &call)
{
    return {call.args[2], call.args[3]};
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

} // namespace

class InstrumentsTest : public QObject {
    Q_OBJECT
private slots:
    void protractorFollowsB_data();
    void protractorFollowsB();
    void halfRingStaysOnItsOpenSide_data();
    void halfRingStaysOnItsOpenSide();
    void rulerTicksAndEndBars_data();
    void rulerTicksAndEndBars();
};

// m is the base direction; the ring opens towards m + 90 degrees.
void InstrumentsTest::protractorFollowsB_data()
{
    QTest::addColumn<QPoint>("B");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("rayEnd");
    QTest::addColumn<double>("m");

    QTest::newRow("B = A opens downwards") << A << false << QPoint(200, 250) << 0.0;
    QTest::newRow("B = A of the slit opens right") << A << true << QPoint(200, 250) << 3 * pi / 2;
    QTest::newRow("B to the left at A's height")
        << QPoint(150, 150) << false << QPoint(100, 150) << 0.0;
    QTest::newRow("B up and right opens upwards")
        << QPoint(260, 90) << false << QPoint(270, 80) << pi;
    QTest::newRow("B to the left of the slit opens left")
        << QPoint(150, 150) << true << QPoint(100, 150) << pi / 2;
}

void InstrumentsTest::protractorFollowsB()
{
    QFETCH(QPoint, B);
    QFETCH(bool, vertical);
    QFETCH(QPoint, rayEnd);
    QFETCH(double, m);

    RecordingCanvas canvas;
    probtClick(canvas, {A, B, vertical});
    const auto lines = canvas.only(RecordingCanvas::Op::Line);
    const auto arcs = canvas.only(RecordingCanvas::Op::Arc);
    QCOMPARE(lines.size(), 1u + 1u + 1u + 13u);
    QCOMPARE(arcs.size(), 2u);

    // the red ray comes first, so the grey ring covers it
    QCOMPARE(canvas.calls.front().op, RecordingCanvas::Op::Line);
    QCOMPARE(canvas.calls.front().pen.colour, colour::red);
    QCOMPARE(canvas.calls.front().pen.width, 2);
    QCOMPARE(lineStart(lines[0]), A);
    QCOMPARE(lineEnd(lines[0]), rayEnd);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        QCOMPARE(lines[i].pen.colour, colour::grey);
        QCOMPARE(lines[i].pen.width, 1);
    }

    // the inner diameter along m, both arcs from its far end round to its near end
    const QPoint from = behind(A, 30, m);
    const QPoint to = ahead(A, 30, m);
    QCOMPARE(lineStart(lines[1]), from);
    QCOMPARE(lineEnd(lines[1]), to);
    QCOMPARE(arcs[0].args,
             (std::vector<int>{100, 50, 300, 250, from.x(), from.y(), to.x(), to.y()}));
    QCOMPARE(arcs[1].args,
             (std::vector<int>{170, 120, 230, 180, from.x(), from.y(), to.x(), to.y()}));

    // the middle spoke points where the ring opens, the first and last lie on the base
    QCOMPARE(lineStart(lines[3]), ahead(A, 30, m));
    QCOMPARE(lineEnd(lines[3 + 6]), ahead(A, 100, m + pi / 2));
    QCOMPARE(lineEnd(lines[3 + 12]), ahead(A, 100, m + pi));
}

// The arcs are drawn by the real rasteriser: a half ring on the wrong side of its base line
// would show here.
void InstrumentsTest::halfRingStaysOnItsOpenSide_data()
{
    QTest::addColumn<QPoint>("B");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPointF>("opening");

    QTest::newRow("below") << QPoint(200, 200) << false << QPointF(0, 1);
    QTest::newRow("above") << QPoint(200, 100) << false << QPointF(0, -1);
    QTest::newRow("left") << QPoint(100, 150) << true << QPointF(-1, 0);
    QTest::newRow("right") << QPoint(300, 150) << true << QPointF(1, 0);
}

void InstrumentsTest::halfRingStaysOnItsOpenSide()
{
    QFETCH(QPoint, B);
    QFETCH(bool, vertical);
    QFETCH(QPointF, opening);

    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    BitmapCanvas canvas(image);
    probtClick(canvas, {A, B, vertical});
    int ahead = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != colour::grey)
                continue;
            const double side = (x - A.x()) * opening.x() + (y - A.y()) * opening.y();
            // the centre tick reaches 10 pixels behind the base line
            QVERIFY2(side >= -10.5, qPrintable(QStringLiteral("grey at %1,%2").arg(x).arg(y)));
            ahead += side > 50;
        }
    QVERIFY(ahead > 200);
}

void InstrumentsTest::rulerTicksAndEndBars_data()
{
    QTest::addColumn<QPoint>("E");
    QTest::addColumn<QPointF>("along"); // unit vector from A towards E

    // a length hover before the first click: E 20 pixels right of A
    QTest::newRow("the first step's ruler") << A + QPoint(20, 0) << QPointF(1, 0);
    QTest::newRow("straight up") << A - QPoint(0, 120) << QPointF(0, -1);
    QTest::newRow("down and left") << A + QPoint(-60, 80) << QPointF(-0.6, 0.8);
}

void InstrumentsTest::rulerTicksAndEndBars()
{
    QFETCH(QPoint, E);
    QFETCH(QPointF, along);

    const QPointF a(A);
    RecordingCanvas canvas;
    canvas.pen().width = 1;
    rulerbtClick(canvas, {A, E, directionAngle(A, E)});
    const auto lines = canvas.only(RecordingCanvas::Op::Line);
    QCOMPARE(lines.size(), 1u + 28u + 2u);

    QCOMPARE(lineStart(lines[0]), A);
    QVERIFY(distance(lineEnd(lines[0]), a + 800 * along) <= 1.5);
    QCOMPARE(lines[0].pen.colour, colour::grey);

    for (int i = 1; i <= 28; ++i) {
        const auto &tick = lines[std::size_t(i)];
        const QPointF middle = (QPointF(lineStart(tick)) + QPointF(lineEnd(tick))) / 2;
        QVERIFY(distance(middle, a + 25 * i * along) <= 1.0);
        QVERIFY(std::abs(distance(lineStart(tick), lineEnd(tick)) - 10) <= 1.5);
        QCOMPARE(tick.pen.width, i % 4 == 0 ? 3 : 1);
        QCOMPARE(tick.pen.colour, colour::grey);
    }

    // black bars across the ruler, 30 pixels long, at E and then at A
    const QPointF across(-along.y(), along.x());
    for (auto [bar, end] : {std::pair{lines[29], QPointF(E)}, std::pair{lines[30], a}}) {
        QCOMPARE(bar.pen.colour, colour::black);
        QCOMPARE(bar.pen.width, 2);
        QVERIFY(distance(lineStart(bar), end + 15 * across) <= 1.5 ||
                distance(lineStart(bar), end - 15 * across) <= 1.5);
        QVERIFY(distance((QPointF(lineStart(bar)) + QPointF(lineEnd(bar))) / 2, end) <= 1.0);
    }
    QCOMPARE(canvas.pen().width, 1);
}

QTEST_GUILESS_MAIN(InstrumentsTest)
#include "test_instruments.moc"
