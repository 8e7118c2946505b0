#include "interference/measurement.h"

#include <QTest>

using namespace wave;

namespace {

constexpr int sourceTop = 355; // the source markers' top, frame coordinates

} // namespace

class PointerTest : public QObject {
    Q_OBJECT
private slots:
    void pressPlacesTheMeasurePoint_data();
    void pressPlacesTheMeasurePoint();
    void measurementsPageTexts_data();
    void measurementsPageTexts();
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

QTEST_APPLESS_MAIN(PointerTest)
#include "test_pointer.moc"
