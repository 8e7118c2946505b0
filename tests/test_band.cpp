// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/band.h"
#include "platform/bitmap_canvas.h"
#include "recording_canvas.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace wave;

Q_DECLARE_METATYPE(wave::BandSource)

namespace {

using Sums = std::array<double, 800>;

BandSource source(int x, double amplitude, int P, int T = 0)
{
    return {x, amplitude, P, T};
}

QImage whiteView()
{
    QImage image(viewWidth, viewHeight, QImage::Format_RGB32);
    image.fill(colour::white);
    return image;
}

// Two sources of half-wavelength 10, 30 apart: ring centres at view x 327 and 357, so
// their band columns are 328 and 358 with the midpoint at 343. With the band at yb = 81
// the line lies 240 pixels above the sources, and column 428 is 260 and 250 pixels from
// them: half a wavelength apart.
BandParams matchedPair()
{
    FieldParams field;
    field.S = 30;
    field.P = {10, 10, 10};
    BandParams params;
    params.sources = bandSources(field, {10, 10, 10});
    params.bandTop = 81;
    return params;
}

bool rowIs(const QImage &image, int y, int from, const std::function<QRgb(int)> &colourAt)
{
    for (int x = from; x < image.width(); ++x) {
        if (image.pixel(x, y) != colourAt(x))
            return false;
    }
    return true;
}

// One letter a view row: 'k' all black, 'w' untouched, 'i' the instantaneous strip, 'a' the
// average strip (which leaves column 0 alone), '?' anything else.
QString describeRows(const QImage &image, int rows, const std::function<QRgb(int)> &instant,
                     const std::function<QRgb(int)> &average)
{
    QString text;
    for (int y = 0; y < rows; ++y) {
        if (rowIs(image, y, 0, [](int) { return colour::black; }))
            text += 'k';
        else if (rowIs(image, y, 0, [](int) { return colour::white; }))
            text += 'w';
        else if (rowIs(image, y, 0, instant))
            text += 'i';
        else if (image.pixel(0, y) == colour::black && rowIs(image, y, 1, average))
            text += 'a';
        else
            text += '?';
    }
    return text;
}

// The rows from the view's top down to just past the band line: blanked rows, the strip's
// upper and lower halves, then the untouched line rows.
QString layout(int yb, char upper, char lower)
{
    return QString(yb, 'k') + QString(10, upper) + QString(10, lower) + "ww";
}

} // namespace

class BandTest : public QObject {
    Q_OBJECT
private slots:
    void sourcesSitOnePixelRightOfTheRingCentres();
    void displacementIsTheMeanOfCosineTerms_data();
    void displacementIsTheMeanOfCosineTerms();
    void levelsAreTruncated_data();
    void levelsAreTruncated();
    void matchedPairOverAPeriod();
    void weakSourceCapsTheInstantaneousLevel();
    void stripLayouts_data();
    void stripLayouts();
    void drawingKeepsTheModelsValues_data();
    void drawingKeepsTheModelsValues();
    void averageIsRelativeToTheStrongestViewColumn();
    void mapStrokes_data();
    void mapStrokes();
};

void BandTest::sourcesSitOnePixelRightOfTheRingCentres()
{
    FieldParams field;
    field.n = 3;
    field.S = 60;
    field.P = {15, 20, 25};
    field.T = {1, 2, 3};
    // markers at frame lefts 294, 354, 414; ring centres 2 pixels in, band columns 3
    const std::array<BandSource, 3> sources = bandSources(field, {10, 5, 1});
    const int xs[] = {283, 343, 403};
    const double amplitudes[] = {1.0, 0.5, 0.1};
    for (std::size_t k = 0; k < 3; ++k) {
        QCOMPARE(sources[k].x, xs[k]);
        QCOMPARE(sources[k].amplitude, amplitudes[k]);
        QCOMPARE(sources[k].T, field.T[k]);
    }
}

void BandTest::displacementIsTheMeanOfCosineTerms_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<BandSource>("first");
    QTest::addColumn<BandSource>("second");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("dy");
    QTest::addColumn<double>("u");
    const BandSource far = source(5000, 1.0, 15);
    // a whole wavelength away: a crest; half of one: a trough; three quarters: a node
    QTest::newRow("crest") << 1 << source(100, 1.0, 15) << far << 100 << 30 << 1.0;
    QTest::newRow("trough") << 1 << source(100, 1.0, 15) << far << 100 << 15 << -1.0;
    QTest::newRow("node") << 1 << source(100, 1.0, 10) << far << 100 << 15 << 0.0;
    QTest::newRow("3-4-5, to the left, below")
        << 1 << source(60, 1.0, 25) << far << 100 << -30 << 1.0;
    QTest::newRow("offset moves a crest out")
        << 1 << source(100, 1.0, 15, 15) << far << 100 << 30 << -1.0;
    QTest::newRow("mean of two crests")
        << 2 << source(100, 1.0, 15) << source(100, 0.5, 15) << 100 << 30 << 0.75;
    QTest::newRow("crest and trough cancel")
        << 2 << source(100, 1.0, 15) << source(100, 1.0, 15, 15) << 100 << 30 << 0.0;
}

void BandTest::displacementIsTheMeanOfCosineTerms()
{
    QFETCH(int, n);
    QFETCH(BandSource, first);
    QFETCH(BandSource, second);
    QFETCH(int, x);
    QFETCH(int, dy);
    QFETCH(double, u);
    BandParams params;
    params.n = n;
    params.sources = {first, second, source(0, 1.0, 2)};
    QVERIFY(std::abs(displacement(params, x, dy) - u) < 1e-12);
}

void BandTest::levelsAreTruncated_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("full") << 1.0 << false << rgb(255, 0, 0);
    QTest::newRow("full, negative") << -1.0 << false << rgb(255, 0, 0);
    QTest::newRow("half is cut to 127") << 0.5 << false << rgb(127, 0, 0);
    QTest::newRow("just under full") << -0.999 << false << rgb(254, 0, 0);
    QTest::newRow("nothing") << 0.0 << false << rgb(0, 0, 0);
    QTest::newRow("grey") << -0.5 << true << rgb(127, 127, 127);
    QTest::newRow("white") << 1.0 << true << rgb(255, 255, 255);
}

void BandTest::levelsAreTruncated()
{
    QFETCH(double, v);
    QFETCH(bool, blackAndWhite);
    QFETCH(QRgb, colour);
    QCOMPARE(bandColour(v, blackAndWhite), colour);
}

void BandTest::matchedPairOverAPeriod()
{
    BandParams params = matchedPair();
    params.instantaneous = true;
    params.average = true;
    const int yb = params.bandTop;
    QCOMPARE(params.markerTop - bandLineTop(yb), 240);

    QImage image = whiteView();
    BitmapCanvas view(image);
    Sums bandsum{};
    double bandpeak = 0.0;
    for (int tick = 0; tick < 20; ++tick) {
        drawBand(view, params, bandsum, bandpeak);
        QCOMPARE(image.pixel(428, yb + 10), colour::black);
        for (BandSource &s : params.sources)
            s.T = (s.T + 1) % (2 * s.P);
    }
    // the midpoint column is the strongest: full red; the cancelling one stays black
    QCOMPARE(bandpeak, bandsum[343]);
    QCOMPARE(image.pixel(343, yb), rgb(255, 0, 0));
    QVERIFY(qRed(image.pixel(342, yb)) < 255 && qRed(image.pixel(344, yb)) < 255);
    QCOMPARE(image.pixel(428, yb), colour::black);
    QVERIFY(bandsum[428] < 1e-12);
}

void BandTest::weakSourceCapsTheInstantaneousLevel()
{
    BandParams params;
    params.n = 1;
    params.sources[0] = source(343, 0.5, 15);
    params.instantaneous = true;
    QImage image = whiteView();
    BitmapCanvas view(image);
    Sums bandsum{};
    double bandpeak = 0.0;
    drawBand(view, params, bandsum, bandpeak);
    int brightest = 0;
    for (int x = 0; x < viewWidth; ++x)
        brightest = std::max(brightest, qRed(image.pixel(x, params.bandTop + 5)));
    QCOMPARE(brightest, 127);
}

void BandTest::stripLayouts_data()
{
    QTest::addColumn<bool>("instantaneous");
    QTest::addColumn<bool>("average");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::addColumn<int>("yb");
    QTest::addColumn<QString>("rows");
    QTest::newRow("instantaneous") << true << false << false << 30 << layout(30, 'i', 'i');
    QTest::newRow("average") << false << true << false << 30 << layout(30, 'a', 'a');
    QTest::newRow("both") << true << true << false << 30 << layout(30, 'a', 'i');
    QTest::newRow("neither: only blanked") << false << false << false << 30 << layout(30, 'k', 'k');
    QTest::newRow("both, grey") << true << true << true << 30 << layout(30, 'a', 'i');
    QTest::newRow("band at the top") << true << true << false << 0 << layout(0, 'a', 'i');
    QTest::newRow("band lowest") << true << false << false << 200 << layout(200, 'i', 'i');
}

void BandTest::stripLayouts()
{
    QFETCH(bool, instantaneous);
    QFETCH(bool, average);
    QFETCH(bool, blackAndWhite);
    QFETCH(int, yb);
    QFETCH(QString, rows);

    BandParams params;
    params.sources = {source(313, 1.0, 15), source(373, 0.5, 15), source(0, 1.0, 15)};
    params.bandTop = yb;
    params.instantaneous = instantaneous;
    params.average = average;
    params.blackAndWhite = blackAndWhite;
    QImage image = whiteView();
    BitmapCanvas view(image);
    view.pen() = Pen{colour::red, 1, PenStyle::Dot}; // as the last ring may leave it
    view.brush() = Brush{colour::black, BrushStyle::Clear};
    Sums bandsum{};
    double bandpeak = 0.0;
    drawBand(view, params, bandsum, bandpeak);

    const int dy = params.markerTop - bandLineTop(yb);
    const auto instant = [&](int x) {
        return bandColour(displacement(params, x, dy), blackAndWhite);
    };
    const auto averaged = [&](int x) {
        return bandColour(bandsum[std::size_t(x)] / bandpeak, blackAndWhite);
    };
    QCOMPARE(describeRows(image, yb + 22, instant, averaged), rows);
}

void BandTest::drawingKeepsTheModelsValues_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("S");
    QTest::addColumn<QList<int>>("P");
    QTest::addColumn<QList<int>>("T");
    QTest::addColumn<int>("yb");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::newRow("design pair") << 2 << 60 << QList<int>{15, 15, 15} << QList<int>{0, 0, 0} << 0
                                 << false;
    QTest::newRow("one source") << 1 << 60 << QList<int>{7, 15, 15} << QList<int>{3, 0, 0} << 50
                                << false;
    QTest::newRow("phase shift") << 3 << 100 << QList<int>{2, 2, 2} << QList<int>{0, 2, 0} << 120
                                 << false;
    QTest::newRow("unmatched, grey")
        << 3 << 37 << QList<int>{5, 12, 50} << QList<int>{9, 0, 77} << 200 << true;
    QTest::newRow("beyond both edges")
        << 3 << 500 << QList<int>{20, 21, 20} << QList<int>{0, 0, 0} << 10 << false;
}

// However the redraw shares its work, the band sums and the map's blocks are what the
// displacement model gives, to the last bit.
void BandTest::drawingKeepsTheModelsValues()
{
    QFETCH(int, n);
    QFETCH(int, S);
    QFETCH(QList<int>, P);
    QFETCH(QList<int>, T);
    QFETCH(int, yb);
    QFETCH(bool, blackAndWhite);
    FieldParams field;
    field.n = n;
    field.S = S;
    field.P = {P[0], P[1], P[2]};
    field.T = {T[0], T[1], T[2]};
    BandParams params;
    params.n = n;
    params.sources = bandSources(field, {10, 7, 4});
    params.bandTop = yb;
    params.mapTop = bandLineTop(yb);
    params.instantaneous = true;
    params.highDetail = true;
    params.blackAndWhite = blackAndWhite;

    QImage image = whiteView();
    BitmapCanvas view(image);
    Sums bandsum{};
    double bandpeak = 0.0;
    drawBand(view, params, bandsum, bandpeak);
    const int dy = params.markerTop - bandLineTop(yb);
    for (int x = 0; x <= viewWidth; ++x)
        QVERIFY2(bandsum[std::size_t(x)] == std::abs(displacement(params, x, dy)),
                 qPrintable(QString("column %1").arg(x)));

    QImage mapImage(mapWidth, mapHeight, QImage::Format_RGB32);
    BitmapCanvas map(mapImage);
    drawDetailMap(map, params);
    // The 4-pixel pen reaches a pixel left of and above each block's stroke, and the later
    // blocks cover the stroke's lower right: block (i, j) shows on columns 4 i - 1 to 4 i + 2
    // and rows 4 j - 1 to 4 j + 2. The bottom row shows the last block row, j = 50.
    for (int py = 0; py < mapHeight; ++py) {
        const int j = (py + 1) / 4;
        for (int px = 0; px < mapWidth; ++px) {
            const int i = (px + 1) / 4;
            const double u = displacement(params, 4 * i, params.markerTop - 4 * j - params.mapTop);
            if (mapImage.pixel(px, py) != bandColour(u, blackAndWhite))
                QFAIL(qPrintable(QString("map pixel %1, %2").arg(px).arg(py)));
        }
    }
}

void BandTest::averageIsRelativeToTheStrongestViewColumn()
{
    BandParams params = matchedPair();
    params.average = true;
    QImage image = whiteView();
    BitmapCanvas view(image);
    Sums bandsum{};
    bandsum[710] = 100.0; // beyond the view's columns: neither counted nor changed
    double bandpeak = 0.0;
    drawBand(view, params, bandsum, bandpeak);

    QCOMPARE(bandsum[710], 100.0);
    const auto strongest = std::max_element(bandsum.begin(), bandsum.begin() + viewWidth + 1);
    QCOMPARE(bandpeak, *strongest);
    QVERIFY(bandpeak > 0.5 && bandpeak <= 1.0);
    const int x = int(strongest - bandsum.begin());
    QCOMPARE(image.pixel(x, params.bandTop + 19), rgb(255, 0, 0));

    // Without any displacement there is no strongest column: the strip stays black.
    params.sources[0].amplitude = 0.0;
    params.sources[1].amplitude = 0.0;
    bandsum = {};
    drawBand(view, params, bandsum, bandpeak);
    QCOMPARE(bandpeak, 0.0);
    QVERIFY(std::all_of(bandsum.begin(), bandsum.end(), [](double s) { return s == 0.0; }));
    for (int y = 0; y < params.bandTop + bandStripRows; ++y)
        QVERIFY(rowIs(image, y, 0, [](int) { return colour::black; }));
}

void BandTest::mapStrokes_data()
{
    QTest::addColumn<bool>("highDetail");
    QTest::addColumn<int>("columns");
    QTest::newRow("high detail") << true << 178;
    QTest::newRow("first column only") << false << 1;
}

void BandTest::mapStrokes()
{
    QFETCH(bool, highDetail);
    QFETCH(int, columns);
    BandParams params = matchedPair();
    params.highDetail = highDetail;
    RecordingCanvas map;
    drawDetailMap(map, params);

    const auto lines = map.only(RecordingCanvas::Op::Line);
    QCOMPARE(int(lines.size()), 51 * columns);
    QCOMPARE(int(map.calls.size()), 51 * columns);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int i = int(k) % columns, j = int(k) / columns;
        QCOMPARE(lines[k].args, (std::vector<int>{4 * i, 4 * j, 4 * i + 4, 4 * j + 4}));
        QCOMPARE(lines[k].pen.width, 4);
        QCOMPARE(lines[k].pen.style, PenStyle::Solid);
    }
}

QTEST_GUILESS_MAIN(BandTest)
#include "test_band.moc"
