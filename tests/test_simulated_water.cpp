// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated water in the running program: it lies under each product's construction,
// moves with the product's own animation, goes on through a change of setting, and is what
// the exports give.
#include "interference/field_water.h"
#include "platform/bitmap_canvas.h"
#include "simulation/water_image.h"
#include "started_window.h"
#include "view/simulated_water.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace wave;

namespace {

double largestDisplacement(const WaveSolver &solver)
{
    const FieldView field = solver.displacement();
    double largest = 0.0;
    for (int y = 0; y < field.height; ++y)
        for (int x = 0; x < field.width; ++x)
            largest = std::max(largest, double(std::abs(field.at(x, y))));
    return largest;
}

} // namespace

class SimulatedWaterTest : public QObject {
    Q_OBJECT
private slots:
    void waterRunsUnderEveryConstruction_data();
    void waterRunsUnderEveryConstruction();
    void simulatedBandFollowsTheFormula();
    void secondThreadShowsTheSameWater();
};

void SimulatedWaterTest::waterRunsUnderEveryConstruction_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("timer");
    QTest::newRow("interference") << QStringLiteral("Rundique") << QStringLiteral("Timer1");
    QTest::newRow("wavefronts") << QStringLiteral("Pelvane") << QStringLiteral("Timer4");
    QTest::newRow("single slit") << QStringLiteral("Sorvelle") << QStringLiteral("Timer2");
}

void SimulatedWaterTest::waterRunsUnderEveryConstruction()
{
    QFETCH(QString, program);
    QFETCH(QString, timer);
    Started started(program);
    TInterference &window = started.window;
    const QImage &view = window.Panel1->water->image();
    const Palette &colours = window.state.colours;
    auto *water = window.findChild<QAction *>(QStringLiteral("SimulateWater1"));
    auto *construction = window.findChild<QAction *>(QStringLiteral("ShowConstruction1"));
    auto *animation = window.findChild<QTimer *>(timer);
    QVERIFY(water && construction && animation);
    QVERIFY(!water->isChecked() && construction->isChecked());
    QVERIFY(countPixels(view, colours.ground) > 0);

    // Still water fills the ground; the construction's lines stay over it.
    water->trigger();
    QCOMPARE(countPixels(view, colours.ground), 0);
    QVERIFY(countPixels(view, colours.ink) > 0);
    QCOMPARE(largestDisplacement(window.state.simulated->solver()), 0.0);

    // The product's ticks drive it.
    for (int tick = 0; tick < 80; ++tick)
        QMetaObject::invokeMethod(animation, "timeout");
    const WaveSolver &solver = window.state.simulated->solver();
    const long steps = solver.steps();
    QVERIFY(steps >= 80);
    QVERIFY(largestDisplacement(solver) > 0.05);

    // Without the construction only water shows, and the exports draw what the view shows.
    construction->trigger();
    QCOMPARE(solver.steps(), steps);
    QCOMPARE(countPixels(view, colours.ink), 0);
    QCOMPARE(window.exportedPicture(), view);
    QImage drawn(view.size(), QImage::Format_RGB32);
    BitmapCanvas canvas(drawn);
    window.drawPicture(canvas);
    QCOMPARE(drawn, view);

    // Switched off, the construction is back on its ground; switched on again, the water is
    // still.
    construction->trigger();
    water->trigger();
    QVERIFY(countPixels(view, colours.ground) > 0);
    water->trigger();
    QCOMPARE(largestDisplacement(window.state.simulated->solver()), 0.0);
}

// The simulated water's fringes on the band line lie where the formula's do, and the band's
// data gives both.
void SimulatedWaterTest::simulatedBandFollowsTheFormula()
{
    Started started(QStringLiteral("Rundique"));
    TInterference &window = started.window;
    InterferencePanel &panel = started.panel();
    window.SimulateWater1->trigger();
    panel.Showscreen->setChecked(true);
    panel.addinter->setChecked(true);
    window.Panel1->movescreen->setValue(120);
    for (int tick = 0; tick < 500; ++tick)
        panel.Timer1Timer();
    const QImage formula = window.Panel1->water->image().copy(0, 120, viewWidth, 20);
    panel.simulatedrb->click();
    QVERIFY(window.Panel1->water->image().copy(0, 120, viewWidth, 20) != formula);

    const QList<QByteArray> lines = panel.bandData(QStringLiteral("Rundique")).split('\n');
    QVERIFY(lines.at(0).contains("strips: simulated"));
    QCOMPARE(lines.at(1).trimmed().split(',').last(), QByteArray("simulated average"));
    std::vector<double> average, simulated;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).split(',');
        if (fields.size() < 6)
            continue;
        average.push_back(fields.at(2).toDouble());
        simulated.push_back(fields.at(5).toDouble());
    }
    QCOMPARE(simulated.size(), std::size_t(viewWidth));
    QCOMPARE(*std::max_element(simulated.begin(), simulated.end()), 1.0);
    // Both peak and dip together across the line.
    const auto mean = [](const std::vector<double> &v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
    };
    const double a0 = mean(average), s0 = mean(simulated);
    double both = 0.0, aa = 0.0, ss = 0.0;
    for (std::size_t x = 0; x < simulated.size(); ++x) {
        both += (average[x] - a0) * (simulated[x] - s0);
        aa += (average[x] - a0) * (average[x] - a0);
        ss += (simulated[x] - s0) * (simulated[x] - s0);
    }
    const double correlation = both / std::sqrt(aa * ss);
    QVERIFY2(correlation > 0.8, qPrintable(QString::number(correlation)));
}

// The water run on a second thread beside the drawing shows, tick by tick, what the water run
// on the caller's shows, and both its colours now: through a change of setting, of palette
// and of the construction.
void SimulatedWaterTest::secondThreadShowsTheSameWater()
{
    SimulatedWater beside(2), alone(1);
    beside.setOn(true);
    alone.setOn(true);
    FieldParams field;
    const std::array<int, 3> bars{10, 6, 10};
    QImage picture;
    for (int tick = 0; tick < 60; ++tick) {
        if (tick == 20)
            field.S += 40;
        const Palette colours = tick < 35 ? standardPalette() : darkRoomPalette();
        const bool construction = tick < 50;
        const auto drawn = [&] {
            QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
            image.fill(colours.ground);
            BitmapCanvas canvas(image);
            canvas.pen() = Pen{colours.ink, 1, PenStyle::Solid};
            canvas.moveTo(0, tick);
            canvas.lineTo(viewWidth, tick);
            return image;
        };
        std::array<QImage, 2> shown;
        for (std::size_t k = 0; k < shown.size(); ++k) {
            SimulatedWater &water = k == 0 ? beside : alone;
            water.setConstructionShown(construction);
            shown[k] = drawn();
            water.show([&](double now) { return fieldWater(field, bars, now); }, shown[k], colours);
        }
        QImage water, expected = drawn();
        drawWater(water, alone.solver().displacement(), colours.crest, colours.waterTrough,
                  waterColourScale);
        layWater(expected, water, construction ? std::optional(colours.ground) : std::nullopt);
        QVERIFY2(shown[0] == shown[1] && shown[1] == expected,
                 qPrintable(QString("tick %1").arg(tick)));
        picture = shown[0];
        beside.tick();
        alone.tick();
        // The rings move on a pixel a tick, as the product's clock moves them.
        for (std::size_t k = 0; k < field.T.size(); ++k)
            field.T[k] = (field.T[k] + 1) % (2 * field.P[k]);
    }
    QCOMPARE(beside.time(), alone.time());
    QVERIFY(countPixels(picture, darkRoomPalette().ground) < viewWidth * viewHeight / 2);
}

QTEST_MAIN(SimulatedWaterTest)
#include "test_simulated_water.moc"
