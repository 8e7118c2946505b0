// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/node_path.h"
#include "platform/canvas.h"
#include "recording_canvas.h"

#include <QLineF>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace wave;
using Op = RecordingCanvas::Op;

namespace {

// The points of one curve drawn alone: where its first line starts, then every line's end.
std::vector<QPoint> pathOf(const NodeCurve &curve, int side, const NodePathPlacement &placement)
{
    NodeCurves curves;
    curves[std::size_t(side)].push_back(curve);
    RecordingCanvas canvas;
    drawNodePath(canvas, curves, placement);
    std::vector<QPoint> points;
    for (const auto &line : canvas.only(Op::Line)) {
        if (points.empty())
            points.emplace_back(line.args[0], line.args[1]);
        points.emplace_back(line.args[2], line.args[3]);
    }
    return points;
}

// How far a point misses the branch whose points are `difference` farther from the other
// focus than from their own.
double offBranch(QPoint point, QPoint own, QPoint other, double difference)
{
    return std::abs(QLineF(point, other).length() - QLineF(point, own).length() - difference);
}

} // namespace

class NodePathTest : public QObject {
    Q_OBJECT
private slots:
    void curvesFollowSeparationAndPhaseShift_data();
    void curvesFollowSeparationAndPhaseShift();
    void branchesLieOnTheirFoci_data();
    void branchesLieOnTheirFoci();
    void eachCurveIsItsOwnPathInTheNodePathPen();
    void pointsBesideAnAsymptoteKeepTheirDirection_data();
    void pointsBesideAnAsymptoteKeepTheirDirection();
};

void NodePathTest::curvesFollowSeparationAndPhaseShift_data()
{
    QTest::addColumn<int>("left2");
    QTest::addColumn<int>("p");
    QTest::addColumn<QList<double>>("leftC");
    QTest::addColumn<QString>("leftColours");
    QTest::addColumn<QList<double>>("rightC");
    QTest::addColumn<QString>("rightColours");
    // half-wavelength 15 throughout, left source at frame left 324
    const double b = 1.0 / 90;
    // c = 1 passes the go-on test with nothing to spare but is the line through the right
    // source, e = 1
    QTest::newRow("one wavelength apart, in phase")
        << 354 << 0 << QList<double>{0.5} << "g" << QList<double>{b, 0.5 + b} << "rg";
    QTest::newRow("two wavelengths apart, in antiphase")
        << 384 << 45 << QList<double>{0.5, 1.0, 1.5} << "rgr"
        << QList<double>{b, 0.5 + b, 1 + b, 1.5 + b} << "grgr";
    // the go-on test takes the half separation in whole pixels, the eccentricity the exact one
    QTest::newRow("odd separation")
        << 355 << 0 << QList<double>{0.5, 1.0} << "gr" << QList<double>{b, 0.5 + b} << "rg";
    QTest::newRow("closer than the left's first curve")
        << 338 << 45 << QList<double>{} << "" << QList<double>{b} << "g";
    QTest::newRow("one pixel apart") << 325 << 0 << QList<double>{} << "" << QList<double>{} << "";
}

void NodePathTest::curvesFollowSeparationAndPhaseShift()
{
    QFETCH(int, left2);
    QFETCH(int, p);
    QFETCH(QList<double>, leftC);
    QFETCH(QString, leftColours);
    QFETCH(QList<double>, rightC);
    QFETCH(QString, rightColours);

    const NodeCurves curves = nodePathCurves({324, left2, 355, 15, p});
    const std::array<QList<double>, 2> c{leftC, rightC};
    const std::array<QString, 2> colours{leftColours, rightColours};
    for (std::size_t side = 0; side < 2; ++side) {
        QCOMPARE(qsizetype(curves[side].size()), c[side].size());
        for (std::size_t k = 0; k < curves[side].size(); ++k) {
            const NodeCurve &curve = curves[side][k];
            QCOMPARE(curve.c, c[side][qsizetype(k)]);
            QCOMPARE(curve.colour, colours[side][qsizetype(k)] == 'g' ? colour::grey : colour::red);
            // theta0 is the first step of 0.01 past the asymptote
            const double asymptote = std::acos(1 / curve.e);
            QVERIFY(curve.theta0 > asymptote);
            QVERIFY(curve.theta0 < asymptote + 0.01 + 1e-12);
            QVERIFY(std::abs(curve.theta0 * 100 - std::round(curve.theta0 * 100)) < 1e-9);
        }
    }
}

void NodePathTest::branchesLieOnTheirFoci_data()
{
    QTest::addColumn<NodePathParams>("params");
    QTest::newRow("two wavelengths, in phase") << NodePathParams{324, 384, 355, 15, 0};
    QTest::newRow("two wavelengths, in antiphase") << NodePathParams{324, 384, 355, 15, 45};
    QTest::newRow("odd separation") << NodePathParams{339, 370, 355, 15, 0};
    QTest::newRow("design, shifted 88 degrees") << NodePathParams{302, 407, 355, 7, 22};
    QTest::newRow("short waves far apart") << NodePathParams{254, 454, 355, 4, 10};
}

void NodePathTest::branchesLieOnTheirFoci()
{
    QFETCH(NodePathParams, params);
    const NodeCurves curves = nodePathCurves(params);
    const NodePathPlacement screen = screenPlacement(params);
    QCOMPARE(screen.origins[0], QPoint(params.left1 - 12, params.top - 11));
    QCOMPARE(screen.origins[1], QPoint(params.left2 - 12, params.top - 11));
    const NodePathPlacement paper{screen.origins, 1.0, true};
    const NodePathPlacement doubled{screen.origins, 2.0, true};
    const double sr = (params.left2 - params.left1) / 2.0;

    for (int side = 0; side < 2; ++side) {
        const QPoint own = screen.origins[std::size_t(side)];
        const QPoint other = screen.origins[std::size_t(1 - side)];
        for (const NodeCurve &curve : curves[std::size_t(side)]) {
            // on screen the upper half, ending on the source row at the vertex, which lies
            // c h short of the midpoint
            const std::vector<QPoint> upper = pathOf(curve, side, screen);
            QVERIFY(upper.size() > 1);
            QVERIFY(std::none_of(upper.begin(), upper.end(),
                                 [&](QPoint point) { return point.y() > own.y(); }));
            const double vertex = own.x() + (side == 0 ? 1 : -1) * (sr - curve.c * params.h);
            QCOMPARE(upper.back().y(), own.y());
            QVERIFY(std::abs(upper.back().x() - vertex) <= 1);

            // on paper the same points, then on below the row as far as above it
            const std::vector<QPoint> whole = pathOf(curve, side, paper);
            QVERIFY(whole.size() > upper.size());
            QVERIFY(std::equal(upper.begin(), upper.end(), whole.begin()));
            int above = 0, below = 0;
            for (QPoint point : whole) {
                above += point.y() < own.y();
                below += point.y() > own.y();
                QVERIFY(offBranch(point, own, other, 2 * curve.c * params.h) < 3);
            }
            QVERIFY(std::abs(above - below) <= 2);

            const std::vector<QPoint> twice = pathOf(curve, side, doubled);
            QCOMPARE(twice.size(), whole.size());
            for (std::size_t k = 0; k < whole.size(); ++k) {
                const QPoint error = (twice[k] - own) - 2 * (whole[k] - own);
                QVERIFY(std::abs(error.x()) <= 1 && std::abs(error.y()) <= 1);
            }
        }
    }
}

void NodePathTest::eachCurveIsItsOwnPathInTheNodePathPen()
{
    RecordingCanvas canvas;
    // what the rings may leave behind
    canvas.pen() = Pen{colour::black, 3, PenStyle::Dot};
    canvas.brush() = Brush{colour::black, BrushStyle::Clear};
    canvas.moveTo(5, 5);
    const NodePathParams params; // two wavelengths apart, in phase
    drawNodePath(canvas, params);

    const auto lines = canvas.only(Op::Line);
    QVERIFY(!lines.empty());
    const NodeCurve first = nodePathCurves(params)[0].front();
    QCOMPARE(QPoint(lines[0].args[0], lines[0].args[1]),
             pathOf(first, 0, screenPlacement(params)).front());
    QString colours;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        QCOMPARE(lines[k].pen.width, 1);
        QCOMPARE(lines[k].pen.style, PenStyle::Solid);
        const bool starts = k == 0 || lines[k].args[0] != lines[k - 1].args[2] ||
                            lines[k].args[1] != lines[k - 1].args[3];
        if (starts)
            colours += lines[k].pen.colour == colour::grey ? 'g' : 'r';
        else
            QCOMPARE(lines[k].pen.colour, lines[k - 1].pen.colour);
    }
    // left c = 0.5, 1, 1.5; right c = 1/90, then on by halves
    QCOMPARE(colours, QString("grgrgrg"));
    QCOMPARE(canvas.brush().style, BrushStyle::Solid);
    QCOMPARE(canvas.brush().colour, colour::black);
}

void NodePathTest::pointsBesideAnAsymptoteKeepTheirDirection_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("wholeBranch");
    QTest::newRow("screen") << 1.0 << false;
    QTest::newRow("page") << 8.0 << true;
}

void NodePathTest::pointsBesideAnAsymptoteKeepTheirDirection()
{
    QFETCH(double, scale);
    QFETCH(bool, wholeBranch);
    // 409 apart at half-wavelength 11 and 56 degrees: one curve's first step lands so close
    // to its asymptote that rho is near 1e11
    const NodePathParams params{150, 559, 355, 11, 14};
    const NodePathPlacement screen = screenPlacement(params);
    const NodeCurves curves = nodePathCurves(params);
    double farthest = 0;
    for (int side = 0; side < 2; ++side) {
        const QPoint origin = screen.origins[std::size_t(side)];
        for (const NodeCurve &curve : curves[std::size_t(side)]) {
            const QPoint far = pathOf(curve, side, {screen.origins, scale, wholeBranch}).front();
            const double dx = far.x() - origin.x(), dy = origin.y() - far.y();
            const double away = side == 0 ? std::numbers::pi - curve.theta0 : curve.theta0;
            const double reach = std::hypot(dx, dy);
            farthest = std::max(farthest, reach);
            QVERIFY(std::abs(std::atan2(dy, dx) - away) <= 2 / reach);
        }
    }
    QVERIFY(farthest > 1e8);
}

QTEST_APPLESS_MAIN(NodePathTest)
#include "test_node_path.moc"
