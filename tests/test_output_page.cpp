// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/field_renderer.h"
#include "interference/node_path.h"
#include "output/page.h"
#include "platform/bitmap_canvas.h"
#include "platform/printer.h"
#include "recording_canvas.h"

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace wave;
using Op = RecordingCanvas::Op;

namespace {

// Output of a poppler tool on the file, or a failed test when it is missing.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(tool);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Prints one page drawn by `draw` into a PDF file through Qt's printer; the failure text.
// A page given in points, with no margins, makes one device unit one point.
QString printToPdf(const QString &file, const Printer::DrawPage &draw,
                   std::optional<QSize> points = std::nullopt)
{
    QtPrinter printer;
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName(file);
    if (points) {
        printer.device().setResolution(72);
        printer.device().setPageLayout(
            QPageLayout(QPageSize(*points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
    }
    return printer.printPage(draw);
}

// The rows of `pdfimages -list`: two heading lines, then one per bitmap.
QStringList imageRows(const QString &file)
{
    return poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
        .split('\n', Qt::SkipEmptyParts);
}

} // namespace

class OutputPageTest : public QObject {
    Q_OBJECT
private slots:
    void pictureSpansThePage_data();
    void pictureSpansThePage();
    void emptyNamePrintsNoHeading();
    void sourcesSitWhereTheScaleDoes_data();
    void sourcesSitWhereTheScaleDoes();
    void ringsAlternateAndSwapAtHalfAWave_data();
    void ringsAlternateAndSwapAtHalfAWave();
    void nodePathRunsPastTheSourceRow();
    void pdfCarriesHeadingAndOneBitmap();
    void headingStaysWholeAboveTheExactPicture_data();
    void headingStaysWholeAboveTheExactPicture();
    void fullPagePdfHasNoBitmap();
    void fullPagePdfPutsDotsAndRingsOnTheirPoints();
};

void OutputPageTest::pictureSpansThePage_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    // 300 + 2 * 709: the scale is exactly 2
    QTest::newRow("exact") << 1718 << 1418 << 698;
    // one unit less: the scale is no whole number, the height is cut
    QTest::newRow("inexact") << 1717 << 1417 << 697;
    // 709 * (746 / 709) falls just short of 746 and is cut to one unit narrower
    QTest::newRow("one unit narrower") << 1046 << 745 << 367;
    QTest::newRow("A4 at 1200 dpi") << 9921 << 9621 << 4735;
}

void OutputPageTest::pictureSpansThePage()
{
    QFETCH(int, pageWidth);
    QFETCH(int, width);
    QFETCH(int, height);
    RecordingCanvas canvas;
    drawImagePage(canvas, {pageWidth, 14000}, QImage(709, 349, QImage::Format_RGB32),
                  QStringLiteral("Ada"));
    const auto text = canvas.only(Op::Text);
    QCOMPARE(text.size(), 1u);
    QCOMPARE(text[0].args, (std::vector<int>{0, 150}));
    const auto stretch = canvas.only(Op::Stretch);
    QCOMPARE(stretch.size(), 1u);
    QCOMPARE(stretch[0].args, (std::vector<int>{150, 300, width, height}));
}

void OutputPageTest::emptyNamePrintsNoHeading()
{
    RecordingCanvas canvas;
    drawImagePage(canvas, {1718, 2000}, QImage(709, 349, QImage::Format_RGB32), QString());
    QVERIFY(canvas.only(Op::Text).empty());
    QCOMPARE(canvas.only(Op::Stretch).at(0).args[1], 300);
}

void OutputPageTest::sourcesSitWhereTheScaleDoes_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("S");
    QTest::addColumn<QList<int>>("xs");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("reach");
    QTest::addColumn<int>("dot");
    // s = 4800 / 709 = 6.770; Trunc(30 s) = 203
    QTest::newRow("two on 4800 x 6600")
        << 4800 << 6600 << 2 << 30 << QList<int>{2299, 2501} << 3300 << 4080 << 13;
    // s = 2000 / 709 = 2.821; Trunc(100 s) = 282; R = Round(sqrt(750^2 + 1000^2)) = 1250
    QTest::newRow("three on 2000 x 1501")
        << 2000 << 1501 << 3 << 100 << QList<int>{718, 1000, 1282} << 750 << 1250 << 5;
    QTest::newRow("one") << 709 << 400 << 1 << 60 << QList<int>{354} << 200 << 407 << 2;
}

void OutputPageTest::sourcesSitWhereTheScaleDoes()
{
    QFETCH(int, pageWidth);
    QFETCH(int, pageHeight);
    QFETCH(int, n);
    QFETCH(int, S);
    QFETCH(QList<int>, xs);
    QFETCH(int, y);
    QFETCH(int, reach);
    QFETCH(int, dot);
    const PageSize page{pageWidth, pageHeight};
    QCOMPARE(fullPageReach(page), reach);
    RecordingCanvas canvas;
    drawFullPage(canvas, page, FullPageParams{n, S, {15, 15, 15}, {0, 0, 0}, {}});
    // the filled discs are the source dots, the rest the rings
    std::vector<RecordingCanvas::Call> dots;
    for (const auto &call : canvas.only(Op::Ellipse))
        if (call.brush.style == BrushStyle::Solid)
            dots.push_back(call);
    QCOMPARE(int(dots.size()), n);
    for (int k = 0; k < n; ++k)
        QCOMPARE(dots[k].args, (std::vector<int>{xs[k] - dot, y - dot, xs[k] + dot, y + dot}));
    for (const auto &call : canvas.only(Op::Ellipse))
        QVERIFY((call.args[2] - call.args[0]) / 2 <= reach);
}

void OutputPageTest::ringsAlternateAndSwapAtHalfAWave_data()
{
    QTest::addColumn<int>("P");
    QTest::addColumn<int>("T");
    QTest::addColumn<int>("firstRadius");
    QTest::addColumn<bool>("firstSolid");
    // s = 2, P' = 30: T < P gives the first ring at r = P s = 30, q = 1, dashed
    QTest::newRow("no offset") << 15 << 0 << 30 << false;
    // T = 5: Trunc(10) mod 30 + 30 = 40, q = 1, dashed
    QTest::newRow("small offset") << 15 << 5 << 40 << false;
    // T = P: Trunc(30) mod 30 + 30 = 30, q = 1, and the swap makes it solid
    QTest::newRow("half a wave") << 15 << 15 << 30 << true;
    QTest::newRow("past half a wave") << 15 << 20 << 40 << true;
}

void OutputPageTest::ringsAlternateAndSwapAtHalfAWave()
{
    QFETCH(int, P);
    QFETCH(int, T);
    QFETCH(int, firstRadius);
    QFETCH(bool, firstSolid);
    RecordingCanvas canvas;
    drawFullPage(canvas, {1418, 1000}, FullPageParams{1, 60, {P, P, P}, {T, T, T}, {}});
    std::vector<RecordingCanvas::Call> rings;
    for (const auto &call : canvas.only(Op::Ellipse))
        if (call.brush.style == BrushStyle::Clear)
            rings.push_back(call);
    QVERIFY(rings.size() > 2);
    QCOMPARE((rings[0].args[2] - rings[0].args[0]) / 2, firstRadius);
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const bool solid = (k % 2 == 0) == firstSolid;
        QCOMPARE(rings[k].pen.style, solid ? PenStyle::Solid : PenStyle::Dash);
        QCOMPARE(rings[k].pen.colour, colour::black);
        QCOMPARE((rings[k].args[2] - rings[k].args[0]) / 2, firstRadius + 30 * int(k));
    }
}

void OutputPageTest::nodePathRunsPastTheSourceRow()
{
    // two sources one wavelength apart: the left source's grey curve, e = 2
    RecordingCanvas canvas;
    const NodePathParams screen{324, 354, 355, 15, 0};
    drawFullPage(canvas, {1418, 2000},
                 FullPageParams{2,
                                30,
                                {15, 15, 15},
                                {0, 0, 0},
                                [&](Canvas &c, std::array<QPoint, 2> sources, double s) {
                                    drawNodePathOnPage(c, screen, sources, s);
                                }});
    const auto lines = canvas.only(Op::Line);
    QVERIFY(!lines.empty());
    int below = 0;
    for (const auto &line : lines)
        below += line.args[3] > 1000;
    // the lower half of each branch is drawn as well as the upper one
    QVERIFY(below > int(lines.size()) / 3);
}

void OutputPageTest::pdfCarriesHeadingAndOneBitmap()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("picture.pdf"));
    QImage picture(709, 349, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QString failure = printToPdf(file, [&](Canvas &canvas, PageSize page) {
        drawImagePage(canvas, page, picture, QStringLiteral("Grace Hopper"));
    });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(poppler(QStringLiteral("pdftotext"), {file, QStringLiteral("-")})
                .contains(QStringLiteral("Printed by: Grace Hopper")));
    const QStringList rows = imageRows(file);
    QCOMPARE(rows.size(), 3); // two heading lines and one image
    const QStringList columns = rows[2].simplified().split(' ');
    QCOMPARE(columns[3], QStringLiteral("709"));
    QCOMPARE(columns[4], QStringLiteral("349"));
}

void OutputPageTest::headingStaysWholeAboveTheExactPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("resolution");
    QTest::addColumn<bool>("elided");
    QTest::newRow("tails, 1200 dpi") << "Peggy Jupp-Quigley" << 1200 << false;
    QTest::newRow("tails, 600 dpi") << "Gwyneth Pryce" << 600 << false;
    QTest::newRow("300 dpi") << "Ada Lovelace" << 300 << false;
    QTest::newRow("too long, 1200 dpi") << QString(400, QLatin1Char('y')) << 1200 << true;
}

// The heading's descenders end above the picture and a name too long for the line is cut
// with an ellipsis; the picture goes onto the page pixel for pixel, red rings and all.
void OutputPageTest::headingStaysWholeAboveTheExactPicture()
{
    QFETCH(QString, name);
    QFETCH(int, resolution);
    QFETCH(bool, elided);
    QImage picture(709, 349, QImage::Format_RGB32);
    BitmapCanvas view(picture);
    FieldParams field;
    field.colourWaves = true;
    drawField(view, field);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("picture.pdf"));
    QtPrinter printer;
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName(file);
    printer.device().setResolution(resolution);
    const QString failure = printer.printPage(
        [&](Canvas &canvas, PageSize page) { drawImagePage(canvas, page, picture, name); });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    const QRectF area = printer.device().pageLayout().paintRect(QPageLayout::Point);
    const double unit = 72.0 / resolution;
    const QString boxes =
        poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>"));
    QString text;
    for (const QRegularExpressionMatch &match : word.globalMatch(boxes)) {
        text += match.captured(5) + QLatin1Char(' ');
        QVERIFY2(match.captured(2).toDouble() >= area.top() + 150 * unit - 0.5, qPrintable(boxes));
        QVERIFY2(match.captured(4).toDouble() <= area.top() + 300 * unit + 0.01, qPrintable(boxes));
        QVERIFY2(match.captured(3).toDouble() <= area.right() + 0.01, qPrintable(boxes));
    }
    QVERIFY2(text.startsWith(QStringLiteral("Printed by: ")), qPrintable(text));
    QCOMPARE(text.contains(name), !elided);
    QCOMPARE(text.contains(QStringLiteral("\u2026")), elided);

    QVERIFY(QProcess::execute(QStringLiteral("pdfimages"), {QStringLiteral("-png"), file,
                                                            dir.filePath(QStringLiteral("img"))}) ==
            0);
    const QImage printed(dir.filePath(QStringLiteral("img-000.png")));
    QCOMPARE(printed.convertToFormat(QImage::Format_RGB32), picture);
}

void OutputPageTest::fullPagePdfHasNoBitmap()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("full.pdf"));
    const QString failure = printToPdf(file, [&](Canvas &canvas, PageSize page) {
        drawFullPage(canvas, page, FullPageParams{3, 100, {2, 2, 2}, {0, 0, 0}, {}});
    });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(imageRows(file).size(), 2);
}

// Rendered back from the PDF one pixel per device unit, the dots sit on the sources and the
// first crest ring crosses the source row where its radius says, with paper between rings.
void OutputPageTest::fullPagePdfPutsDotsAndRingsOnTheirPoints()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("rings.pdf"));
    const FullPageParams params{2, 100, {15, 15, 15}, {0, 0, 0}, {}};
    PageSize drawn;
    const QString failure = printToPdf(
        file,
        [&](Canvas &canvas, PageSize page) {
            drawn = page;
            drawFullPage(canvas, page, params);
        },
        QSize(1000, 1400));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(drawn.width, 1000);
    QCOMPARE(drawn.height, 1400);
    const QString prefix = dir.filePath(QStringLiteral("rings"));
    poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
             QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
             QStringLiteral("no"), file, prefix});
    const QImage page(prefix + QStringLiteral("-1.pgm"));
    QCOMPARE(page.size(), QSize(1000, 1400));
    const auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    // s = 1000 / 709: the ring step is Trunc(15 s) = 21, and the crest rings have radii 42, 84...
    const std::array<QPoint, 3> sources = fullPageSources(drawn, 2, 100);
    QCOMPARE(sources[0].y(), 700);
    QCOMPARE(sources[1].x() - sources[0].x(), 140); // Trunc(100 s) = 141, 70 either side
    for (const QPoint c : {sources[0], sources[1]}) {
        QVERIFY(dark(c.x(), c.y()));
        QVERIFY(dark(c.x() + 1, c.y()) && dark(c.x() - 1, c.y()));
        QVERIFY(!dark(c.x() + 4, c.y()) && !dark(c.x(), c.y() + 4));
    }
    const QPoint right = sources[1];
    QVERIFY(!dark(right.x() + 31, right.y()));
    QVERIFY(dark(right.x() + 42, right.y()) || dark(right.x() + 41, right.y()));
    QVERIFY(!dark(right.x() + 52, right.y()));
    QVERIFY(dark(right.x(), right.y() - 42) || dark(right.x(), right.y() - 41));
}

QTEST_MAIN(OutputPageTest)
#include "test_output_page.moc"
