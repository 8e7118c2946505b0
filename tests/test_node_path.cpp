#include "interference/node_path.h"
#include "platform/canvas.h"

#include <QTest>

#include <cmath>

using namespace wave;

class NodePathTest : public QObject {
    Q_OBJECT
private slots:
    void curvesFollowSeparationAndPhaseShift_data();
    void curvesFollowSeparationAndPhaseShift();
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

QTEST_APPLESS_MAIN(NodePathTest)
#include "test_node_path.moc"
