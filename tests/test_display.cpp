// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures in front of a class: zoomed by whole pixels, read back at the same picture
// pixels, and coloured so that every pair that carries meaning stays apart for colour-blind
// eyes; all of it kept in the user's settings.
#include "measure/practice_window.h"
#include "platform/pixel_blocks.h"
#include "slit/light_window.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <functional>

using namespace wave;

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1, applied to linear sRGB.
const Matrix protanopia{{{0.152286, 1.052583, -0.204868},
                         {0.114503, 0.786281, 0.099216},
                         {-0.003882, -0.048116, 1.051998}}};
const Matrix deuteranopia{{{0.367322, 0.860646, -0.227968},
                           {0.280085, 0.672501, 0.047413},
                           {-0.011820, 0.042940, 0.968881}}};
const Matrix tritanopia{{{1.255528, -0.076749, -0.178779},
                         {-0.078411, 0.930809, 0.147602},
                         {0.004733, 0.691367, 0.303900}}};

std::array<double, 3> lab(QRgb colour, const Matrix &seen)
{
    const auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const std::array<double, 3> in{linear(qRed(colour)), linear(qGreen(colour)),
                                   linear(qBlue(colour))};
    std::array<double, 3> s{};
    for (std::size_t i = 0; i < 3; ++i)
        s[i] = std::clamp(seen[i][0] * in[0] + seen[i][1] * in[1] + seen[i][2] * in[2], 0.0, 1.0);
    const double X = (0.4124 * s[0] + 0.3576 * s[1] + 0.1805 * s[2]) / 0.95047;
    const double Y = 0.2126 * s[0] + 0.7152 * s[1] + 0.0722 * s[2];
    const double Z = (0.0193 * s[0] + 0.1192 * s[1] + 0.9505 * s[2]) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(Y) - 16, 500 * (f(X) - f(Y)), 200 * (f(Y) - f(Z))};
}

double deltaE(QRgb a, QRgb b, const Matrix &seen)
{
    const std::array<double, 3> p = lab(a, seen), q = lab(b, seen);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

// The first screen pixel of the view that is not its picture pixel, or none, both as grabbed
// and as its window shows it.
QString firstMismatch(ImageView *view, int zoom)
{
    const QImage grabbed = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString mismatch = firstBlockMismatch(grabbed, view->image(), zoom);
    return mismatch.isEmpty() ? firstBlockMismatch(onScreen(view), view->image(), zoom) : mismatch;
}

QStringList measureLabels(InterferencePanel &panel)
{
    return {panel.d1lb->text(), panel.d2lb->text(), panel.changelb->text(), panel.bisectlb->text(),
            panel.centerlb->text()};
}

} // namespace

class DisplayTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pairsStayApartForEveryEye_data();
    void pairsStayApartForEveryEye();
    void zoomShowsWholePixelBlocks_data();
    void zoomShowsWholePixelBlocks();
    void animationReachesTheScreenAroundTheBar_data();
    void animationReachesTheScreenAroundTheBar();
    void zoomedClicksMeasureTheSamePixel();
    void pixelBlocksLandWhereThePainterPoints_data();
    void pixelBlocksLandWhereThePainterPoints();
    void fullScreenPicksTheLargestFittingZoom_data();
    void fullScreenPicksTheLargestFittingZoom();
    void largeDisplayPicksAWholeFactorThatFits_data();
    void largeDisplayPicksAWholeFactorThatFits();
    void choicesSurviveARestart();
};

void DisplayTest::init()
{
    QSettings(QStringLiteral("wavelab"), QStringLiteral("display")).clear();
}

void DisplayTest::pairsStayApartForEveryEye_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("colour-blind safe") << int(PaletteKind::ColourBlindSafe);
    QTest::newRow("dark room") << int(PaletteKind::DarkRoom);
}

void DisplayTest::pairsStayApartForEveryEye()
{
    QFETCH(int, kind);
    const Palette p = palette(PaletteKind(kind));
    // The colours that meet in one picture and mean different things.
    const std::vector<std::pair<QRgb, QRgb>> pairs{
        {p.ground, p.ink},       {p.ground, p.trough},
        {p.ink, p.trough},       {p.ground, p.mark},
        {p.ink, p.mark},         {p.trough, p.mark},
        {p.grey, p.mark},        {p.grey, p.ground},
        {p.grey, p.ink},         {p.grey, p.trough},
        {colour::black, p.band}, {p.ground, p.reflected},
        {p.ground, p.refracted}, {p.reflected, p.refracted},
        {p.ink, p.reflected},    {p.ink, p.refracted},
        {p.rays, p.ground},      {p.rays, p.ink},
        {p.torch, p.ground},     {p.torch, p.ink},
        {p.torch, p.mark}};
    for (const Matrix *seen : {&protanopia, &deuteranopia, &tritanopia})
        for (const auto &[a, b] : pairs)
            QVERIFY2(deltaE(a, b, *seen) >= 20,
                     qPrintable(QStringLiteral("%1 and %2").arg(a, 0, 16).arg(b, 0, 16)));
}

void DisplayTest::zoomShowsWholePixelBlocks_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("layers");
    QTest::newRow("interference rings, 2") << QStringLiteral("Rundique") << "water" << 2 << false;
    QTest::newRow("band and detail map, 3") << QStringLiteral("Rundique") << "water" << 3 << true;
    QTest::newRow("wavefronts, 3") << QStringLiteral("Pelvane") << "water" << 3 << false;
    QTest::newRow("single slit, 4") << QStringLiteral("Sorvelle") << "water" << 4 << false;
    QTest::newRow("light pattern, 3") << QStringLiteral("Rundique") << "outim" << 3 << false;
    QTest::newRow("practice picture, 2") << QStringLiteral("Rundique") << "proim" << 2 << false;
}

void DisplayTest::zoomShowsWholePixelBlocks()
{
    QFETCH(QString, product);
    QFETCH(QString, picture);
    QFETCH(int, zoom);
    Started started(product);
    const QSize before = started.window.size();
    for (int i = 1; i < zoom; ++i)
        started.window.ZoomIn1->trigger();
    QCOMPARE(started.window.zoom(), zoom);
    QCOMPARE(started.window.size(), before + QSize(viewWidth, viewHeight) * (zoom - 1));
    QWidget *owner = &started.window;
    if (picture == QLatin1String("outim"))
        owner = started.window.pattfrm;
    else if (picture == QLatin1String("proim"))
        owner = started.window.Profrm;
    owner->show();
    auto *view = owner->findChild<ImageView *>(picture);
    QVERIFY(view);
    // the markers lie over the picture, not in it
    for (ShapeLayer *marker : started.window.Panel1->markers())
        marker->hide();
    QFETCH(bool, layers);
    if (layers) {
        // The maps the picture draws over itself reach the screen as they are grabbed.
        for (QCheckBox *box : {started.panel().Showscreen, started.panel().Hdetailcb})
            box->setChecked(true);
        // the band's bar lies beside the picture on the screen, not in it
        started.window.Panel1->movescreen->hide();
        QCOMPARE(onScreen(view), view->grab().toImage().convertToFormat(QImage::Format_RGB32));
    } else {
        const QString mismatch = firstMismatch(view, zoom);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
    started.window.ZoomReset1->trigger();
    QCOMPARE(view->size(), view->image().size());
}

void DisplayTest::animationReachesTheScreenAroundTheBar_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("map");
    QTest::newRow("1, band") << 1 << false;
    QTest::newRow("2, band and detail map") << 2 << true;
    QTest::newRow("3, band") << 3 << false;
}

void DisplayTest::animationReachesTheScreenAroundTheBar()
{
    // The picture's repaints leave out the opaque band bar over it, and a zoomed picture is
    // written block by block into whatever region is left: what the window shows, bar and
    // all, must be what the frame paints afresh, through ticks, moves of the band and the bar
    // hiding and showing again.
    QFETCH(int, zoom);
    QFETCH(bool, map);
    Started started(QStringLiteral("Rundique"));
    started.window.setZoom(zoom);
    InterferencePanel &panel = started.panel();
    panel.Showscreen->setChecked(true);
    panel.Hdetailcb->setChecked(map);
    WaveView *frame = started.window.Panel1;
    const std::function<void()> steps[] = {
        [&] { panel.Timer1Timer(); },
        [&] { frame->movescreen->setValue(frame->movescreen->value() + 37); },
        [&] { panel.Timer1Timer(); },
        [&] { panel.Showscreen->setChecked(false); },
        [&] { panel.Timer1Timer(); },
        [&] { panel.Showscreen->setChecked(true); },
        [&] { panel.Timer1Timer(); },
    };
    QVERIFY(!onScreen(frame).isNull());
    for (const std::function<void()> &step : steps) {
        step();
        QApplication::processEvents();
        QCOMPARE(onScreen(frame, false),
                 frame->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
}

void DisplayTest::zoomedClicksMeasureTheSamePixel()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    ImageView *water = started.window.Panel1->water;
    panel.measurecb->setChecked(true);
    const QList<QPoint> points{{100, 200}, {5, 7}, {600, 30}};
    QList<QStringList> atOne;
    for (QPoint at : points) {
        QTest::mouseClick(water, Qt::LeftButton, {}, at);
        atOne.append(measureLabels(panel));
    }
    for (int zoom : {2, 3}) {
        started.window.setZoom(zoom);
        for (qsizetype i = 0; i < points.size(); ++i) {
            // anywhere in the pixel's block, its far corner too
            QTest::mouseClick(water, Qt::LeftButton, {},
                              points[i] * zoom + QPoint(zoom - 1, zoom - 1));
            QCOMPARE(measureLabels(panel), atOne[i]);
        }
    }
}

void DisplayTest::pixelBlocksLandWhereThePainterPoints_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QRect>("hidden");
    QTest::newRow("actual size") << 1 << 1 << QPoint(3, 2) << QRect();
    QTest::newRow("zoom 4") << 4 << 1 << QPoint(0, 0) << QRect();
    QTest::newRow("zoom 3, offset, part hidden")
        << 3 << 1 << QPoint(17, 5) << QRect(10, 20, 40, 31);
    QTest::newRow("device scale 2") << 1 << 2 << QPoint(3, 1) << QRect();
    QTest::newRow("zoom 2 at scale 2, top hidden") << 2 << 2 << QPoint(0, 9) << QRect(0, 0, 90, 9);
}

void DisplayTest::pixelBlocksLandWhereThePainterPoints()
{
    QFETCH(int, zoom);
    QFETCH(int, scale);
    QFETCH(QPoint, offset);
    QFETCH(QRect, hidden);
    QImage picture(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 7, y * 11, (x ^ y) * 5));
    const QPoint at(2, 3);
    const QSize size(200, 180);
    QImage expected(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QPoint logical((x - offset.x()) / scale, (y - offset.y()) / scale);
            const QPoint block = logical - at;
            const bool shown = x >= offset.x() && y >= offset.y() && block.x() >= 0 &&
                               block.y() >= 0 && !hidden.contains(logical) &&
                               QRect(QPoint(), picture.size() * zoom).contains(block);
            expected.setPixel(
                x, y, shown ? picture.pixel(block.x() / zoom, block.y() / zoom) : qRgb(0, 0, 255));
        }
    // Images are written straight into; a pixmap goes through Qt's own scaled copy.
    const auto drawn = [&](QPaintDevice &target) {
        QPainter painter(&target);
        painter.translate(offset);
        painter.scale(scale, scale);
        drawPixelBlocks(painter, picture, zoom, at, QRegion(hidden));
    };
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        QImage target(size, format);
        target.fill(Qt::blue);
        drawn(target);
        QCOMPARE(target.convertToFormat(QImage::Format_RGB32), expected);
    }
    QPixmap target(size);
    target.fill(Qt::blue);
    drawn(target);
    QCOMPARE(target.toImage().convertToFormat(QImage::Format_RGB32), expected);
}

void DisplayTest::fullScreenPicksTheLargestFittingZoom_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("zoom");
    QTest::newRow("800 x 600") << QSize(800, 600) << 1;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 2;
    QTest::newRow("just short of 3") << QSize(2217, 1297) << 2;
    QTest::newRow("exactly 3") << QSize(2218, 1298) << 3;
    QTest::newRow("wide but low") << QSize(3840, 900) << 1;
    QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 4;
}

void DisplayTest::fullScreenPicksTheLargestFittingZoom()
{
    QFETCH(QSize, screen);
    QFETCH(int, zoom);
    QCOMPARE(fittingZoom(QSize(800, 600), QSize(viewWidth, viewHeight), screen), zoom);
}

void DisplayTest::largeDisplayPicksAWholeFactorThatFits_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<int>("factor");
    // The window with a title bar of 40 pixels, beside a panel that takes 40 of the screen.
    QTest::newRow("1920 x 1080: none") << QSize(1920, 1040) << 1;
    QTest::newRow("2560 x 1440") << QSize(2560, 1400) << 2;
    QTest::newRow("3840 x 2160") << QSize(3840, 2120) << 3;
    QTest::newRow("a smaller screen") << QSize(640, 480) << 1;
}

void DisplayTest::largeDisplayPicksAWholeFactorThatFits()
{
    QFETCH(QSize, available);
    QFETCH(int, factor);
    QCOMPARE(largeDisplayFactor(QSize(800, 640), available), factor);
}

void DisplayTest::choicesSurviveARestart()
{
    {
        Started first(QStringLiteral("Rundique"));
        first.window.ZoomIn1->trigger();
        first.window.ColoursDark1->trigger();
        QCOMPARE(first.window.Panel1->water->image().pixel(0, 0), colour::black);
    }
    Started again(QStringLiteral("Rundique"));
    QCOMPARE(again.window.zoom(), 2);
    QVERIFY(again.window.ColoursDark1->isChecked());
    QCOMPARE(again.window.Panel1->water->image().pixel(0, 0), colour::black);
    // an unreadable zoom falls back into range
    QSettings(QStringLiteral("wavelab"), QStringLiteral("display"))
        .setValue(QStringLiteral("zoom"), 40);
    QCOMPARE(loadDisplaySettings().zoom, largestZoom);
}

int main(int argc, char *argv[])
{
    // Never the user's own settings.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    DisplayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_display.moc"
