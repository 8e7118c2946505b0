// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_canvas.h"
#include "slit/light_pattern.h"
#include "slit/pattern_measure.h"

#include "platform/bitmap_canvas.h"

#include <QTest>

using namespace wave;

Q_DECLARE_METATYPE(SlitKind)

class LightPatternTest : public QObject {
    Q_OBJECT
private slots:
    void greyLevels_data();
    void greyLevels();
    void maskColumns_data();
    void maskColumns();
    void colourTable_data();
    void colourTable();
    void positionZeroKeepsTheSample();
    void composition();
    void labels();
    void measuringSteps();
    void rulerPointsTowardTheEnd_data();
    void rulerPointsTowardTheEnd();
};

void LightPatternTest::greyLevels_data()
{
    QTest::addColumn<SlitKind>("kind");
    QTest::addColumn<int>("L");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("grey");
    const auto single = SlitKind::Single;
    const auto twin = SlitKind::Double;
    // a = 80 um, 400.83 nm, 1 m: the first minimum is 5 mm (10 pixels) out
    for (int offset = 1; offset <= 9; ++offset)
        QTest::addRow("single saturated %d", offset) << single << 100 << 80 << 400 << offset << 255;
    QTest::newRow("single first minimum") << single << 100 << 80 << 400 << 10 << 0;
    QTest::newRow("single 19") << single << 100 << 80 << 400 << 19 << 145;
    QTest::newRow("single second minimum") << single << 100 << 80 << 400 << 20 << 0;
    QTest::newRow("single 21") << single << 100 << 80 << 400 << 21 << 100;
    QTest::newRow("double 1") << twin << 100 << 80 << 400 << 1 << 242;
    QTest::newRow("double 2") << twin << 100 << 80 << 400 << 2 << 206;
    QTest::newRow("double dark") << twin << 100 << 80 << 400 << 5 << 0;
    QTest::newRow("double 10") << twin << 100 << 80 << 400 << 10 << 246;
    QTest::newRow("double far red 7") << twin << 500 << 200 << 1536 << 7 << 205;
    QTest::newRow("double far red edge") << twin << 500 << 200 << 1536 << 384 << 2;
    QTest::newRow("double experiment 3") << twin << 240 << 54 << 905 << 22 << 27;
    QTest::newRow("double experiment 3 far") << twin << 240 << 54 << 905 << 200 << 104;
    QTest::newRow("double narrowest") << twin << 100 << 1 << 1536 << 384 << 167;
    QTest::newRow("single wide green") << single << 300 << 200 << 900 << 100 << 74;
    QTest::newRow("single narrowest") << single << 500 << 1 << 0 << 384 << 255;
}

void LightPatternTest::greyLevels()
{
    QFETCH(SlitKind, kind);
    QFETCH(int, L);
    QFETCH(int, a);
    QFETCH(int, p);
    QFETCH(int, offset);
    QFETCH(int, grey);
    QCOMPARE(greyLevel({kind, L, a, p, false}, offset), grey);
}

void LightPatternTest::maskColumns_data()
{
    QTest::addColumn<SlitKind>("kind");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::newRow("single colour") << SlitKind::Single << false;
    QTest::newRow("double grey") << SlitKind::Double << true;
}

void LightPatternTest::maskColumns()
{
    QFETCH(SlitKind, kind);
    QFETCH(bool, blackAndWhite);
    const PatternParams params{kind, 100, 80, 400, blackAndWhite};
    QImage mask(patternWidth, patternHeight, QImage::Format_RGB32);
    mask.fill(Qt::red);
    BitmapCanvas canvas(mask);
    const QRgb sample = rgb(0, 143, 255);
    drawPattern(canvas, params, sample);
    for (int x = 0; x < patternWidth; ++x) {
        const int offset = std::abs(x - patternCentre);
        const int g = offset == 0 ? 255 : greyLevel(params, offset);
        const QRgb expected = offset == 0 && !blackAndWhite ? sample : rgb(g, g, g);
        for (int y : {0, patternHeight / 2, patternHeight - 1})
            QCOMPARE(mask.pixel(x, y), expected);
    }
}

void LightPatternTest::colourTable_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("1 black") << 1 << rgb(0, 0, 0);
    QTest::newRow("256 blue") << 256 << rgb(0, 0, 255);
    QTest::newRow("257 blue") << 257 << rgb(0, 0, 255);
    QTest::newRow("400 opening") << 400 << rgb(0, 143, 255);
    QTest::newRow("512 cyan") << 512 << rgb(0, 255, 255);
    QTest::newRow("513 cyan") << 513 << rgb(0, 255, 255);
    QTest::newRow("668 experiment 5") << 668 << rgb(0, 255, 100);
    QTest::newRow("768 green") << 768 << rgb(0, 255, 0);
    QTest::newRow("769 green") << 769 << rgb(0, 255, 0);
    QTest::newRow("905 experiment 3") << 905 << rgb(136, 255, 0);
    QTest::newRow("1024 yellow") << 1024 << rgb(255, 255, 0);
    QTest::newRow("1025 yellow") << 1025 << rgb(255, 255, 0);
    QTest::newRow("1280 red") << 1280 << rgb(255, 0, 0);
    QTest::newRow("1281 red") << 1281 << rgb(255, 0, 0);
    QTest::newRow("1300 experiment 2") << 1300 << rgb(236, 0, 0);
    QTest::newRow("1536 black") << 1536 << rgb(0, 0, 0);
}

void LightPatternTest::colourTable()
{
    QFETCH(int, p);
    QFETCH(QRgb, colour);
    QCOMPARE(wavelengthColour(p), std::optional<QRgb>(colour));
    QImage sample(20, 5, QImage::Format_RGB32);
    BitmapCanvas canvas(sample);
    drawColourSample(canvas, p);
    QCOMPARE(canvas.pen().colour, colour);
    QCOMPARE(sample.pixel(0, 0), colour);
    QCOMPARE(sample.pixel(19, 4), colour);
}

void LightPatternTest::positionZeroKeepsTheSample()
{
    QVERIFY(!wavelengthColour(0));
    QImage sample(20, 5, QImage::Format_RGB32);
    BitmapCanvas canvas(sample);
    drawColourSample(canvas, 1300);
    drawColourSample(canvas, 0);
    QCOMPARE(canvas.pen().colour, rgb(236, 0, 0));
    QCOMPARE(sample.pixel(10, 2), rgb(236, 0, 0));
}

void LightPatternTest::composition()
{
    QImage sample(4, 1, QImage::Format_RGB32);
    sample.fill(rgb(0, 143, 255));
    QImage mask(4, 1, QImage::Format_RGB32);
    const std::array<int, 4> greys{255, 0, 145, 100};
    for (int x = 0; x < 4; ++x)
        mask.setPixel(x, 0, rgb(greys[x], greys[x], greys[x]));
    QImage out(4, 1, QImage::Format_RGB32);
    BitmapCanvas canvas(out);

    composePattern(canvas, sample, mask, false);
    // bitwise AND per channel: 143 & 145 = 129, 143 & 100 = 4, not a scaled colour
    QCOMPARE(out.pixel(0, 0), rgb(0, 143, 255));
    QCOMPARE(out.pixel(1, 0), rgb(0, 0, 0));
    QCOMPARE(out.pixel(2, 0), rgb(0, 129, 145));
    QCOMPARE(out.pixel(3, 0), rgb(0, 4, 100));

    composePattern(canvas, sample, mask, true);
    for (int x = 0; x < 4; ++x)
        QCOMPARE(out.pixel(x, 0), mask.pixel(x, 0));
}

void LightPatternTest::labels()
{
    QCOMPARE(screenText(479), QStringLiteral("Screen distance: 479 cm"));
    QCOMPARE(slitText(SlitKind::Single, 80), QStringLiteral("Slit Width: 80 \u00b5m"));
    QCOMPARE(slitText(SlitKind::Double, 35), QStringLiteral("Slit Separation: 35 \u00b5m"));
    const std::array<std::pair<int, int>, 6> nm{
        {{0, 296}, {1, 296}, {128, 330}, {400, 400}, {402, 401}, {1536, 696}}};
    for (auto [p, shown] : nm)
        QCOMPARE(wavelengthText(p), QStringLiteral("Lambda: %1 nm").arg(shown));
}

void LightPatternTest::measuringSteps()
{
    PatternMeasure measure;
    measure.move({400, 40});
    QCOMPARE(measure.start, QPoint(400, 40));
    QCOMPARE(measure.lengthText(), QStringLiteral("Length:   0.0 mm"));
    measure.release({400, 40}); // the start point is fixed
    QCOMPARE(measure.step, 1);
    measure.move({388, 70}); // the end stays on the start's row
    QCOMPARE(measure.end, QPoint(388, 40));
    QCOMPARE(measure.lengthText(), QStringLiteral("Length:   6.0 mm"));
    measure.release({388, 70}); // the end point is fixed
    measure.move({0, 0});
    QCOMPARE(measure.end, QPoint(388, 40));
    measure.release({10, 20}); // a new measurement starts at the pointer
    QCOMPARE(measure.step, 0);
    QCOMPARE(measure.start, QPoint(10, 20));
    QCOMPARE(measure.end, QPoint(10, 20));
    measure.start = {768, 0};
    measure.end = {0, 0};
    QCOMPARE(measure.lengthText(), QStringLiteral("Length: 384.0 mm"));
}

void LightPatternTest::rulerPointsTowardTheEnd_data()
{
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::addColumn<int>("direction");
    QTest::newRow("end to the left, colour") << QPoint(388, 40) << false << -1;
    QTest::newRow("end to the right, grey") << QPoint(420, 40) << true << 1;
    QTest::newRow("same column points right") << QPoint(400, 40) << false << 1;
}

void LightPatternTest::rulerPointsTowardTheEnd()
{
    QFETCH(QPoint, end);
    QFETCH(bool, blackAndWhite);
    QFETCH(int, direction);
    const QPoint start(400, 40);
    RecordingCanvas canvas;
    drawRuler(canvas, start, end, blackAndWhite);
    const auto lines = canvas.only(RecordingCanvas::Op::Line);
    QCOMPARE(lines.size(), std::size_t(1 + 30 + 2));
    for (const auto &line : lines)
        QCOMPARE(line.pen.colour, blackAndWhite ? colour::red : colour::white);
    QCOMPARE(lines[0].args, (std::vector<int>{400, 40, 400 + 800 * direction, 40}));
    for (int k = 1; k <= 30; ++k) {
        const auto &tick = lines[static_cast<std::size_t>(k)];
        QCOMPARE(tick.pen.width, k % 5 == 0 ? 3 : 1);
        QCOMPARE(tick.args[0], 400 + 20 * k * direction); // every 10 mm
        QCOMPARE(tick.args[2], tick.args[0]);
        QVERIFY(std::abs(tick.args[1] - 40) >= 4 && std::abs(tick.args[3] - 40) == 5);
    }
    QCOMPARE(lines[31].pen.width, 2); // across the end point, then the start point
    QCOMPARE(lines[31].args[0], end.x());
    QCOMPARE(lines[32].args[0], start.x());
    QCOMPARE(std::abs(lines[32].args[1] - lines[32].args[3]), 30);
    QCOMPARE(canvas.pen().width, 1);
}

QTEST_GUILESS_MAIN(LightPatternTest)
#include "test_light_pattern.moc"
