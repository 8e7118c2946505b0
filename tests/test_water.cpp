// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated water's physics, each check against what a ripple tank does.
#include "huygens/wavefront_water.h"
#include "huygens/wavelet_water.h"
#include "interference/field_water.h"
#include "simulation/water_image.h"
#include "simulation/wave_solver.h"
#include "slit/slit_water.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace wave;

namespace {

constexpr double degree = std::numbers::pi / 180.0;

// Where the values cross zero, as distances along the samples a step apart.
std::vector<double> zeroCrossings(const std::vector<double> &values, double step)
{
    std::vector<double> at;
    for (std::size_t i = 1; i < values.size(); ++i)
        if ((values[i - 1] < 0.0) != (values[i] < 0.0))
            at.push_back(step * (double(i - 1) + values[i - 1] / (values[i - 1] - values[i])));
    return at;
}

// The mean distance between neighbouring zero crossings: half a wavelength.
double halfWavelength(const std::vector<double> &values, double step)
{
    const std::vector<double> at = zeroCrossings(values, step);
    return at.size() < 2 ? 0.0 : (at.back() - at.front()) / double(at.size() - 1);
}

// Angles of the local minima of the average intensity along an arc round a centre, from
// straight up, in degrees: only minima under half the lower of their two shoulders.
std::vector<double> darkAngles(const WaveSolver &water, QPointF centre, double radius,
                               double widest)
{
    std::vector<double> angles, levels;
    for (double a = -widest; a <= widest; a += 0.1) {
        const QPointF p = centre + radius * QPointF(std::sin(a * degree), -std::cos(a * degree));
        angles.push_back(a);
        levels.push_back(water.intensityAlong(p, p, 1)[0]);
    }
    std::vector<double> dark;
    for (std::size_t i = 1; i + 1 < levels.size(); ++i) {
        if (levels[i] > levels[i - 1] || levels[i] > levels[i + 1])
            continue;
        const double left = *std::max_element(levels.begin(), levels.begin() + long(i));
        const double right = *std::max_element(levels.begin() + long(i), levels.end());
        if (levels[i] < 0.5 * std::min(left, right))
            dark.push_back(angles[i]);
    }
    return dark;
}

// The angle of the fronts between rows y0 and y1 from the horizontal, in degrees, from how
// far the zero crossings move on from one row to the next (the median over a row's).
double frontAngle(const WaveSolver &water, int x0, int x1, int y0, int y1)
{
    auto crossings = [&](int y) {
        return zeroCrossings(
            water.displacementAlong(QPointF(x0, y), QPointF(x1, y), 4 * (x1 - x0) + 1), 0.25);
    };
    double moved = 0.0;
    std::vector<double> above = crossings(y0);
    for (int y = y0 + 1; y <= y1; ++y) {
        const std::vector<double> below = crossings(y);
        if (above.empty() || below.empty())
            return 0.0;
        std::vector<double> shifts;
        for (double a : above) {
            double nearest = below.front() - a;
            for (double b : below)
                if (std::abs(b - a) < std::abs(nearest))
                    nearest = b - a;
            shifts.push_back(nearest);
        }
        std::nth_element(shifts.begin(), shifts.begin() + long(shifts.size() / 2), shifts.end());
        moved += shifts[shifts.size() / 2];
        above = below;
    }
    // A front runs along (cos a, sin a): x moves cos a / sin a a row.
    return std::atan2(1.0, moved / (y1 - y0)) / degree;
}

void run(WaveSolver &water, int ticks)
{
    for (int t = 0; t < ticks; ++t)
        water.tick();
}

} // namespace

class WaterTest : public QObject {
    Q_OBJECT
private slots:
    void wavelengthHoldsOutFromASource_data();
    void wavelengthHoldsOutFromASource();
    void twoSourcesLeaveNodeLines_data();
    void twoSourcesLeaveNodeLines();
    void slitSpreadsToItsFirstMinimum_data();
    void slitSpreadsToItsFirstMinimum();
    void boundaryRefractsBySpeeds_data();
    void boundaryRefractsBySpeeds();
    void pulseLeavesThroughTheEdges_data();
    void pulseLeavesThroughTheEdges();
    void everyWayOfSteppingGivesTheSameWater_data();
    void everyWayOfSteppingGivesTheSameWater();
    void energyHoldsInAClosedTank_data();
    void energyHoldsInAClosedTank();
    void unstableSetUpsAreRefused_data();
    void unstableSetUpsAreRefused();
    void colourMapBlendsTroughToCrest_data();
    void colourMapBlendsTroughToCrest();
};

void WaterTest::wavelengthHoldsOutFromASource_data()
{
    QTest::addColumn<int>("wavelength");
    QTest::addColumn<double>("dx"); // direction along which it is measured
    // 4 pixels is the shortest wavelength the interference sources take.
    // The grid's waves run slowest along its rows and columns and fastest diagonally.
    for (int w : {4, 8, 16, 30, 60}) {
        QTest::addRow("%d up", w) << w << 0.0;
        if (w <= 8 || w == 60)
            QTest::addRow("%d diagonal", w) << w << -1.0;
    }
}

void WaterTest::wavelengthHoldsOutFromASource()
{
    QFETCH(int, wavelength);
    QFETCH(double, dx);
    FieldParams field;
    field.n = 1;
    field.P = {wavelength / 2, 15, 15};
    field.T = {0, 0, 0};
    WaveSolver water;
    const WaterSetUp setUp = fieldWater(field, {10, 10, 10}, 0.0);
    QCOMPARE(water.apply(setUp), QString());
    const int reach = 260;
    run(water, reach + 2 * wavelength);
    const QPointF source(setUp.points[0].x, setUp.points[0].y);
    const QPointF direction = QPointF(dx, -1.0) / std::hypot(dx, 1.0);
    const double from = std::max(2.0 * wavelength, 20.0);
    const int samples = int((reach - 20 - from) * 4);
    const std::vector<double> u = water.displacementAlong(
        source + from * direction, source + (reach - 20) * direction, samples);
    const double step = (reach - 20 - from) / (samples - 1);
    const double measured = 2.0 * halfWavelength(u, step);
    // The construction's crests lie at r = t modulo the wavelength; the first crossing
    // beyond 'from' is a quarter wavelength from a crest.
    const std::vector<double> at = zeroCrossings(u, step);
    double offset = 0.0;
    for (double r : at) {
        double d = std::fmod(from + r - water.time() - wavelength / 4.0, wavelength / 2.0);
        if (d > wavelength / 4.0)
            d -= wavelength / 2.0;
        if (d < -wavelength / 4.0)
            d += wavelength / 2.0;
        offset += d;
    }
    offset /= double(at.size());
    qInfo("wavelength %d: measured %.3f (%+.2f %%), crests %.2f px from the rings", wavelength,
          measured, 100.0 * (measured / wavelength - 1.0), offset);
    QVERIFY(std::abs(measured / wavelength - 1.0) < 0.02);
    QVERIFY(std::abs(offset) < 1.5);
}

void WaterTest::twoSourcesLeaveNodeLines_data()
{
    QTest::addColumn<int>("P");
    QTest::addColumn<int>("S");
    QTest::newRow("wavelength 20, 60 apart") << 10 << 60;
    QTest::newRow("wavelength 16, 45 apart") << 8 << 45;
    QTest::newRow("wavelength 30, 100 apart") << 15 << 100;
}

void WaterTest::twoSourcesLeaveNodeLines()
{
    QFETCH(int, P);
    QFETCH(int, S);
    FieldParams field;
    field.n = 2;
    field.S = S;
    field.P = {P, P, P};
    field.T = {0, 0, 0};
    WaveSolver water;
    const WaterSetUp setUp = fieldWater(field, {10, 10, 10}, 0.0);
    QCOMPARE(water.apply(setUp), QString());
    const double radius = 270.0;
    run(water, int(radius) + 4 * P);
    water.averageRows(0, water.height());
    run(water, 8 * P); // four periods
    const QPointF middle((setUp.points[0].x + setUp.points[1].x) / 2.0, setUp.points[0].y);
    const double widest = 70.0;
    const std::vector<double> dark = darkAngles(water, middle, radius, widest);
    std::vector<double> expected;
    for (int m = 0; (m + 0.5) * 2 * P / S < std::sin(widest * degree); ++m)
        for (int side : {-1, 1})
            expected.push_back(side * std::asin((m + 0.5) * 2 * P / S) / degree);
    std::sort(expected.begin(), expected.end());
    QCOMPARE(dark.size(), expected.size());
    for (std::size_t i = 0; i < dark.size(); ++i) {
        qInfo("node line %.2f degrees, expected %.2f", dark[i], expected[i]);
        QVERIFY(std::abs(dark[i] - expected[i]) < 1.5);
    }
}

void WaterTest::slitSpreadsToItsFirstMinimum_data()
{
    QTest::addColumn<int>("lambda");
    QTest::addColumn<int>("width");
    QTest::newRow("10 through 20") << 10 << 20;
    QTest::newRow("8 through 24") << 8 << 24;
    QTest::newRow("6 through 30") << 6 << 30;
    QTest::newRow("12 through 30") << 12 << 30;
    QTest::newRow("16 through 12: no minimum") << 16 << 12;
    QTest::newRow("20 through 10: no minimum") << 20 << 10;
}

void WaterTest::slitSpreadsToItsFirstMinimum()
{
    QFETCH(int, lambda);
    QFETCH(int, width);
    SlitParams slit;
    slit.lambda = lambda;
    slit.width = width;
    WaveSolver water;
    QCOMPARE(water.apply(slitWater(slit, 0.0)), QString());
    const SlitGeometry g = slitGeometry(slit, viewWidth, viewHeight);
    const double radius = 260.0;
    run(water, viewHeight - g.f + int(radius) + 3 * lambda);
    water.averageRows(0, water.height());
    run(water, 4 * lambda);
    const QPointF mouth(g.cx - 0.5, g.f - 4.5);
    const std::vector<double> dark = darkAngles(water, mouth, radius, 80.0);
    if (lambda > width) {
        QVERIFY2(dark.empty(), qPrintable(QString::number(dark.empty() ? 0 : dark[0])));
        return;
    }
    const double expected = std::asin(double(lambda) / width) / degree;
    auto nearest = [&](double side) {
        double best = 1e9;
        for (double a : dark)
            if (a * side > 0.0 && std::abs(a) < std::abs(best))
                best = a;
        return std::abs(best);
    };
    qInfo("first minima at %.2f and %.2f degrees, expected %.2f", nearest(-1), nearest(1),
          expected);
    QVERIFY(std::abs(nearest(-1) - expected) < 2.0);
    QVERIFY(std::abs(nearest(1) - expected) < 2.0);
}

void WaterTest::boundaryRefractsBySpeeds_data()
{
    QTest::addColumn<int>("angle"); // tenths of a degree
    QTest::addColumn<int>("c1");
    QTest::addColumn<int>("c2");
    QTest::newRow("30 degrees, 20 to 10") << 300 << 20 << 10;
    QTest::newRow("45 degrees, 15 to 10") << 450 << 15 << 10;
    QTest::newRow("20 degrees, 10 to 20") << 200 << 10 << 20;
    QTest::newRow("60 degrees, 10 to 15: beyond the critical angle") << 600 << 10 << 15;
    QTest::newRow("45 degrees, 10 to 20: beyond the critical angle") << 450 << 10 << 20;
}

void WaterTest::boundaryRefractsBySpeeds()
{
    QFETCH(int, angle);
    QFETCH(int, c1);
    QFETCH(int, c2);
    WavefrontParams page;
    page.angle = angle;
    page.c1 = c1;
    page.c2 = c2;
    page.lambda = 30;
    WaterSetUp setUp = wavefrontWater(page, 0.0);
    setUp.lines[0].cycles = 0; // a wave that runs on, so the fronts can be measured
    WaveSolver water;
    QCOMPARE(water.apply(setUp), QString());
    const double s = std::sin(angle / 10.0 * degree) * c2 / c1;
    const int yR = boundaryLine(page);
    // Long enough for the fronts to cross both media to the top of the window, and two periods.
    const double v1 = c1 * frontTimePerTick / 20.0, v2 = c2 * frontTimePerTick / 20.0;
    const double cos1 = std::cos(angle / 10.0 * degree);
    const double cos2 = s < 1.0 ? std::sqrt(1.0 - s * s) : 1.0;
    run(water, int((viewHeight - yR) / cos1 / v1 + yR / cos2 / v2 + 2.0 * page.lambda / v1));
    if (s >= 1.0) {
        // Past the critical angle the water beyond the boundary only stirs near it.
        auto rms = [&](int y0, int y1) {
            double sum = 0.0;
            int n = 0;
            for (int y = y0; y < y1; y += 2)
                for (double u : water.displacementAlong(QPointF(300, y), QPointF(650, y), 176)) {
                    sum += u * u;
                    ++n;
                }
            return std::sqrt(sum / n);
        };
        const double beyond = rms(20, yR - 60);
        const double incoming = rms(yR + 40, yR + 120);
        qInfo("beyond the boundary %.4f, before it %.4f", beyond, incoming);
        QVERIFY(beyond < 0.05 * incoming);
        return;
    }
    const double measured = frontAngle(water, 420, 690, 30, yR - 30);
    const double expected = std::asin(s) / degree;
    qInfo("refracted at %.2f degrees, expected %.2f", measured, expected);
    QVERIFY(std::abs(measured - expected) < 1.0);
}

void WaterTest::pulseLeavesThroughTheEdges_data()
{
    QTest::addColumn<int>("wavelength");
    QTest::addColumn<QPoint>("source");
    QTest::newRow("30 from the middle") << 30 << QPoint(100, 60);
    QTest::newRow("30 towards a corner") << 30 << QPoint(50, 40);
    QTest::newRow("16 near an edge") << 16 << QPoint(100, 10);
    QTest::newRow("60 from the middle") << 60 << QPoint(100, 60);
}

void WaterTest::pulseLeavesThroughTheEdges()
{
    QFETCH(int, wavelength);
    QFETCH(QPoint, source);
    // The same pulse in a tank so large that nothing comes back in time is the reference.
    const int w = 200, h = 120, around = 150;
    auto tank = [&](int width, int height, QPoint at) {
        WaterSetUp setUp(width, height, 1.0f);
        setUp.stepsPerTick = 2;
        PointSource pulse;
        pulse.x = at.x();
        pulse.y = at.y();
        pulse.wavelength = wavelength;
        pulse.cycles = 1;
        setUp.points.push_back(pulse);
        return setUp;
    };
    WaveSolver small, large;
    QCOMPARE(small.apply(tank(w, h, source)), QString());
    QCOMPARE(large.apply(tank(w + 2 * around, h + 2 * around, source + QPoint(around, around))),
             QString());
    double arriving = 0.0, echo = 0.0;
    const int ticks = int(std::hypot(w, h)) + 3 * wavelength;
    for (int t = 0; t < ticks; ++t) {
        small.tick();
        large.tick();
        const FieldView a = small.displacement(), b = large.displacement();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double reference = b.at(x + around, y + around);
                if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                    arriving = std::max(arriving, std::abs(reference));
                echo = std::max(echo, std::abs(a.at(x, y) - reference));
            }
    }
    qInfo("echo %.3f %% of the wave arriving at the edge", 100.0 * echo / arriving);
    QVERIFY(echo < 0.02 * arriving);
}

void WaterTest::everyWayOfSteppingGivesTheSameWater_data()
{
    QTest::addColumn<int>("stepsPerTick");
    QTest::addColumn<int>("height");
    QTest::newRow("two steps a tick") << 2 << 90;
    QTest::newRow("three steps a tick") << 3 << 90;
    QTest::newRow("five rows") << 2 << 5;
}

// A tick steps two at a time, the second step behind the first; step() goes one step at a
// time. The water and its average must come out the same to the bit, walls, speeds, sources
// and the layer's faces all in play.
void WaterTest::everyWayOfSteppingGivesTheSameWater()
{
    QFETCH(int, stepsPerTick);
    QFETCH(int, height);
    WaterSetUp setUp(120, height, 1.0f);
    setUp.stepsPerTick = stepsPerTick;
    setUp.fillSpeed(QRect(0, height / 2, 120, height), 0.6f);
    setUp.addWall(QRect(0, height / 3, 50, 2));
    setUp.addWall(QRect(58, height / 3, 62, 2));
    setUp.addWall(QRect(100, 0, 1, height));
    PointSource point;
    point.x = 30;
    point.y = height - 2;
    point.wavelength = 9;
    setUp.points.push_back(point);
    LineSource line;
    line.row = 0;
    line.wavelength = 14;
    line.angle = 0.3;
    setUp.lines.push_back(line);
    WaveSolver paired, single;
    for (WaveSolver *water : {&paired, &single}) {
        QCOMPARE(water->apply(setUp), QString());
        water->averageRows(0, height);
    }
    for (int t = 0; t < 150; ++t) {
        paired.tick();
        for (int s = 0; s < stepsPerTick; ++s)
            single.step();
    }
    QCOMPARE(paired.steps(), single.steps());
    auto cells = [height](const WaveSolver &water) {
        std::vector<double> values;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 120; ++x)
                values.insert(values.end(),
                              {water.displacement().at(x, y), water.intensityAt(x, y)});
        return values;
    };
    QVERIFY(cells(single) == cells(paired));
    QVERIFY(paired.intensityAt(point.x, point.y) > 0.0);
}

void WaterTest::energyHoldsInAClosedTank_data()
{
    QTest::addColumn<bool>("walls");
    QTest::addColumn<bool>("twoSpeeds");
    QTest::newRow("open water") << false << false;
    QTest::newRow("walls, one of them a cell thin") << true << false;
    QTest::newRow("walls and two speeds") << true << true;
}

void WaterTest::energyHoldsInAClosedTank()
{
    QFETCH(bool, walls);
    QFETCH(bool, twoSpeeds);
    WaterSetUp setUp(90, 60, 0.5f);
    setUp.absorbing = false;
    if (twoSpeeds)
        setUp.fillSpeed(QRect(0, 0, 90, 25), 0.3f);
    if (walls) {
        setUp.addWall(QRect(0, 30, 40, 3));
        setUp.addWall(QRect(46, 30, 44, 3));
        setUp.addWall(QRect(60, 5, 1, 20));
    }
    PointSource pulse;
    pulse.x = 30;
    pulse.y = 45;
    pulse.wavelength = 8;
    pulse.cycles = 1;
    setUp.points.push_back(pulse);
    WaveSolver water;
    QCOMPARE(water.apply(setUp), QString());
    run(water, 20); // the burst is over after 16
    const double start = water.energy();
    QVERIFY(start > 0.0);
    double worst = 0.0;
    for (int t = 1; t <= 10000; ++t) {
        water.tick();
        if (t % 10 == 0)
            worst = std::max(worst, std::abs(water.energy() / start - 1.0));
    }
    qInfo("energy drifts %.2e over 10,000 steps", worst);
    QVERIFY(worst < 1e-3);
}

void WaterTest::unstableSetUpsAreRefused_data()
{
    QTest::addColumn<float>("speed");
    QTest::addColumn<int>("steps");
    QTest::addColumn<double>("wavelength");
    QTest::addColumn<QString>("why"); // a word of the reason; empty when it runs
    QTest::newRow("half a cell a step runs") << 1.0f << 2 << 8.0 << QString();
    QTest::newRow("a cell a step is unstable") << 1.0f << 1 << 8.0 << QString("stable");
    QTest::newRow("fast water wants more steps") << 7.5f << 12 << 30.0 << QString("stable");
    QTest::newRow("as many steps as stepsPerTickFor gives")
        << 7.5f << stepsPerTickFor(7.5) << 30.0 << QString();
    QTest::newRow("a wavelength under 3 pixels") << 1.0f << 2 << 2.5 << QString("shorter");
}

void WaterTest::unstableSetUpsAreRefused()
{
    QFETCH(float, speed);
    QFETCH(int, steps);
    QFETCH(double, wavelength);
    QFETCH(QString, why);
    WaterSetUp setUp(40, 30, speed);
    setUp.stepsPerTick = steps;
    PointSource source;
    source.x = 20;
    source.y = 15;
    source.wavelength = wavelength;
    setUp.points.push_back(source);
    WaveSolver water;
    const QString refused = water.apply(setUp);
    QVERIFY2(why.isEmpty() ? refused.isEmpty() : refused.contains(why), qPrintable(refused));
    QCOMPARE(water.width(), why.isEmpty() ? 40 : viewWidth); // a refusal keeps the old water
}

void WaterTest::colourMapBlendsTroughToCrest_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<QRgb>("colour");
    const QRgb crest = qRgb(0, 20, 100), trough = qRgb(250, 250, 250);
    QTest::newRow("crest") << 2.0f << crest;
    QTest::newRow("beyond the crest") << 5.0f << crest;
    QTest::newRow("trough") << -2.0f << trough;
    QTest::newRow("still water half way") << 0.0f << qRgb(125, 135, 175);
    QTest::newRow("a quarter up") << 1.0f << qRgb(63, 78, 138);
}

void WaterTest::colourMapBlendsTroughToCrest()
{
    QFETCH(float, u);
    QFETCH(QRgb, colour);
    const float cells[2] = {u, 0.0f};
    QImage image;
    drawWater(image, FieldView{cells, 2, 1, 2}, qRgb(0, 20, 100), qRgb(250, 250, 250), 2.0f);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(colour));
}

QTEST_GUILESS_MAIN(WaterTest)
#include "test_water.moc"
