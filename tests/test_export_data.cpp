// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_folder.h"
#include "interference/band.h"
#include "platform/csv.h"
#include "slit/light_window.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace wave;

namespace {

// A data file read back: its comment line, its header and its rows of fields.
struct Csv {
    QString comment;
    QStringList header;
    QList<QStringList> rows;
};

Csv readBack(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.size() < 3 || !lines.last().isEmpty()) // every line ends in CR LF
        return {};
    lines.removeLast();
    Csv csv{lines.takeFirst(), lines.takeFirst().split(QLatin1Char(',')), {}};
    for (const QString &line : lines)
        csv.rows << line.split(QLatin1Char(','));
    return csv;
}

// A number as the file writes it, read with a decimal point whatever the locale.
double number(const QString &field)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(field, &ok);
    return ok ? value : std::nan("");
}

// Runs the test body in the locale given, then puts the default back.
struct InLocale {
    explicit InLocale(const QString &name) { QLocale::setDefault(QLocale(name)); }
    ~InLocale() { QLocale::setDefault(QLocale::c()); }
};

} // namespace

class ExportDataTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreQuoted_data();
    void fieldsAreQuoted();
    void bandRoundTrip_data();
    void bandRoundTrip();
    void noBandNoFile();
    void dataExportBelongsToTheInterferenceProduct();
    void patternRoundTrip_data();
    void patternRoundTrip();
    void hiddenQuantityStaysHidden();
    void fullDiskKeepsTheOldFile();
};

void ExportDataTest::fieldsAreQuoted_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "position (mm)"
                           << "position (mm)";
    QTest::newRow("comma") << "1,5"
                           << "\"1,5\"";
    QTest::newRow("quote") << "say \"hi\""
                           << "\"say \"\"hi\"\"\"";
    QTest::newRow("line break") << "two\nlines"
                                << "\"two\nlines\"";
    QTest::newRow("empty") << ""
                           << "";
}

void ExportDataTest::fieldsAreQuoted()
{
    QFETCH(QString, field);
    QFETCH(QString, written);
    QCOMPARE(csvField(field), written);
    CsvText csv;
    csv.row({field, QStringLiteral("x")});
    QCOMPARE(QString::fromUtf8(csv.bytes()), written + QStringLiteral(",x\r\n"));
}

void ExportDataTest::bandRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("sources");
    QTest::addColumn<int>("wavelengthBar");
    QTest::addColumn<int>("phaseShift"); // the bar's position, a quarter of the degrees
    QTest::addColumn<int>("bandBar");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::addColumn<bool>("instantaneous");
    QTest::addColumn<bool>("average");
    QTest::newRow("two, C") << "C" << 2 << 15 << 0 << 0 << false << true << true;
    QTest::newRow("two, German") << "de_DE" << 2 << 15 << 0 << 0 << false << true << true;
    QTest::newRow("three, shifted, grey, German")
        << "de_DE" << 3 << 11 << 20 << 130 << true << true << true;
    QTest::newRow("one, French") << "fr_FR" << 1 << 24 << 0 << 200 << false << true << true;
    QTest::newRow("instantaneous only") << "C" << 2 << 13 << 10 << 90 << false << true << false;
    QTest::newRow("average only, grey") << "C" << 3 << 9 << 0 << 40 << true << false << true;
}

void ExportDataTest::bandRoundTrip()
{
    QFETCH(QString, locale);
    QFETCH(int, sources);
    QFETCH(int, wavelengthBar);
    QFETCH(int, phaseShift);
    QFETCH(int, bandBar);
    QFETCH(bool, blackAndWhite);
    QFETCH(bool, instantaneous);
    QFETCH(bool, average);
    const InLocale inLocale(locale);
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.C1space->setValue(wavelengthBar);
    panel.perc->setValue(phaseShift);
    panel.setPage(1);
    panel.Numpoints->setCurrentIndex(sources - 1);
    panel.NumpointsChange();
    panel.setPage(2);
    panel.Showscreen->setChecked(instantaneous);
    panel.addinter->setChecked(average);
    panel.BandW->setChecked(blackAndWhite);
    started.window.Panel1->movescreen->setValue(bandBar);
    // Started, run and stopped: stopping forgets the peak, not the strip on the screen.
    panel.sbtClick();
    for (int tick = 0; tick < 7; ++tick)
        panel.Timer1Timer();
    panel.sbtClick();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("band.csv"));
    started.files.answers = {path};
    started.window.ExportData1->trigger();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(0));
    QCOMPARE(started.files.asked.back().filters.value(0).pattern, QStringLiteral("*.csv"));
    const Csv csv = readBack(path);

    const BandParams params = panel.bandParams();
    QVERIFY2(csv.comment.startsWith(
                 QStringLiteral("# Rundique intensity band; sources: %1; ").arg(sources)),
             qPrintable(csv.comment));
    for (const QString &named :
         {QStringLiteral("wavelengths: %1").arg(2 * wavelengthBar),
          QStringLiteral("separation: %1 px").arg(panel.Smooth->value()),
          QStringLiteral("phase shift: %1 degrees").arg(4 * phaseShift),
          QStringLiteral("band line: view row %1").arg(bandBar + 20),
          QStringLiteral("instantaneous strip: %1").arg(instantaneous ? "on" : "off"),
          QStringLiteral("average strip: %1").arg(average ? "on" : "off"),
          QStringLiteral("black and white: %1").arg(blackAndWhite ? "on" : "off")})
        QVERIFY2(csv.comment.contains(named),
                 qPrintable(named + QStringLiteral(" in ") + csv.comment));
    QCOMPARE(csv.header,
             QStringList({"x", "u", "average", "instantaneous level", "average level"}));
    QCOMPARE(csv.rows.size(), viewWidth);

    const QImage &picture = started.window.Panel1->water->image();
    const int dy = params.markerTop - bandLineTop(bandBar);
    const std::array<double, 800> &sums = started.window.state.bandsum;
    const double peak = *std::max_element(sums.begin(), sums.begin() + viewWidth + 1);
    QVERIFY(peak > 0);
    for (int x = 0; x < viewWidth; ++x) {
        const QStringList &row = csv.rows[x];
        QCOMPARE(row.size(), 5);
        QCOMPARE(row[0].toInt(), x);
        // the very values the band was drawn from, to the last bit
        QCOMPARE(number(row[1]), displacement(params, x, dy));
        QCOMPARE(number(row[2]), started.window.state.bandsum[x] / peak);
        // and the levels the strips show: the average above, the instantaneous below, or
        // either alone over the whole strip
        if (instantaneous)
            QCOMPARE(row[3].toInt(), qRed(picture.pixel(x, bandBar + 15)));
        if (average)
            QCOMPARE(row[4].toInt(), qRed(picture.pixel(x, bandBar + 5)));
    }
}

void ExportDataTest::noBandNoFile()
{
    Started started(QStringLiteral("Rundique"));
    started.panel().Hdetailcb->setChecked(true); // the map alone is no band
    started.window.ExportData1->trigger();
    QVERIFY(started.files.asked.empty());
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
    QVERIFY(started.dialogs.shown.back().text.contains(QStringLiteral("no intensity band")));
}

void ExportDataTest::dataExportBelongsToTheInterferenceProduct()
{
    for (const QString program : {"Rundique", "Pelvane", "Sorvelle"}) {
        Started started(program);
        QCOMPARE(started.window.ExportData1->isVisible(), program == QLatin1String("Rundique"));
        QVERIFY(started.window.ExportPicture1->isVisible());
    }
}

void ExportDataTest::patternRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("doubleSlit");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("slit");
    QTest::addColumn<int>("wave");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::addColumn<QString>("named");
    QTest::newRow("single, opening values") << "C" << false << 100 << 80 << 400 << false
                                            << "single slit; wavelength: 400.83 nm; slit width: "
                                               "80 µm; screen distance: 100 cm";
    QTest::newRow("double, German") << "de_DE" << true << 240 << 54 << 905 << true
                                    << "double slit; wavelength: 532.34 nm; slit separation: "
                                       "54 µm; screen distance: 240 cm; black and white: on";
    QTest::newRow("single, wide, German") << "de_DE" << false << 480 << 3 << 1500 << false
                                          << "wavelength: 687.29 nm; slit width: 3 µm";
}

void ExportDataTest::patternRoundTrip()
{
    QFETCH(QString, locale);
    QFETCH(bool, doubleSlit);
    QFETCH(int, screen);
    QFETCH(int, slit);
    QFETCH(int, wave);
    QFETCH(bool, blackAndWhite);
    QFETCH(QString, named);
    const InLocale inLocale(locale);
    Started started(QStringLiteral("Sorvelle"));
    Tpattfrm &light = *started.window.pattfrm;
    light.FormShow();
    doubleSlit ? light.selectDoubleSlit() : light.selectSingleSlit();
    light.scrsb->setValue(screen);
    light.widthsb->setValue(slit);
    light.wavesb->setValue(wave);
    light.bwcb->setChecked(blackAndWhite);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pattern.csv"));
    started.files.answers = {path};
    light.ExportData1->trigger();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(0));
    const Csv csv = readBack(path);
    QVERIFY2(csv.comment.startsWith(QStringLiteral("# Sorvelle light pattern; ")),
             qPrintable(csv.comment));
    QVERIFY2(csv.comment.contains(named), qPrintable(csv.comment));
    QCOMPARE(csv.header, QStringList({"position (mm)", "intensity", "grey level"}));
    QCOMPARE(csv.rows.size(), patternWidth);

    const PatternParams params{doubleSlit ? SlitKind::Double : SlitKind::Single, screen, slit, wave,
                               blackAndWhite};
    for (int x = 0; x < patternWidth; ++x) {
        const QStringList &row = csv.rows[x];
        QCOMPARE(row.size(), 3);
        const int offset = std::abs(x - patternCentre);
        QCOMPARE(number(row[0]), (x - patternCentre) * 0.5);
        QCOMPARE(number(row[1]), patternIntensity(params, offset));
        // the grey of the mask the picture is made from; the centre is at full intensity
        QCOMPARE(row[2].toInt(), offset == 0 ? 255 : qRed(light.patternim.pixel(x, 40)));
    }
    // beyond 255 before the cut: the single slit's bright fringes
    QCOMPARE(number(csv.rows[patternCentre][1]), doubleSlit ? 255.0 : 50000.0);
}

void ExportDataTest::hiddenQuantityStaysHidden()
{
    Started started(QStringLiteral("Sorvelle"));
    Tpattfrm &light = *started.window.pattfrm;
    light.FormShow();
    choose(light.Expcb, 2); // the wavelength is what the student finds
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("experiment.csv"));
    started.files.answers = {path};
    light.ExportData1->trigger();
    const QString comment = readBack(path).comment;
    QVERIFY2(comment.contains(QStringLiteral("wavelength: hidden")), qPrintable(comment));
    QVERIFY(!comment.contains(QStringLiteral("635")));
    QVERIFY(comment.contains(QStringLiteral("screen distance: 200 cm")));
}

void ExportDataTest::fullDiskKeepsTheOldFile()
{
    Started started(QStringLiteral("Rundique"));
    started.panel().Showscreen->setChecked(true);
    FullFolder folder;
    const QByteArray old("x,u\r\n");
    QVERIFY(folder.put(QStringLiteral("band.csv"), old));
    started.files.answers = {folder.filePath(QStringLiteral("band.csv"))};
    QVERIFY(folder.fill());
    started.window.ExportData1->trigger();
    folder.release();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(started.dialogs.shown.back().kind, MessageKind::Error);
    QVERIFY(started.dialogs.shown.back().text.contains(folder.systemError()));
    QCOMPARE(folder.files(), QStringList{QStringLiteral("band.csv")});
    QFile file(folder.filePath(QStringLiteral("band.csv")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
}

QTEST_MAIN(ExportDataTest)
#include "test_export_data.moc"
