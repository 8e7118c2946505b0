// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_folder.h"
#include "huygens/huygens_pages.h"
#include "platform/picture_file.h"
#include "slit/light_window.h"
#include "slit/slit_panel.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace wave;

namespace {

// A setting of the main window before its picture is exported.
using Setup = std::function<void(Started &)>;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the program wrote, or nothing when it failed.
std::optional<QString> run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The vector file drawn back at the picture's own size, as a viewer shows it at 100 %.
QImage renderedBack(const QString &path, QSize size)
{
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer svg(path);
        if (!svg.isValid())
            return {};
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        svg.render(&painter);
        return image;
    }
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("back"));
    if (!run(QStringLiteral("pdftocairo"),
             {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
              QStringLiteral("-singlefile"), path, prefix}))
        return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// Each channel averaged over the pixel's 3 x 3 neighbourhood: a viewer smooths the edges of the
// lines it draws, the screen does not, and both agree once spread over a pixel either side.
QImage spread(const QImage &image)
{
    QImage out(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!image.rect().contains(x + dx, y + dy))
                        continue;
                    const QRgb c = image.pixel(x + dx, y + dy);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    ++n;
                }
            }
            out.setPixel(x, y, qRgb(r / n, g / n, b / n));
        }
    }
    return out;
}

// The share of pixels whose neighbourhoods differ by less than a third of a line's weight.
double agreement(const QImage &screen, const QImage &back)
{
    if (screen.size() != back.size())
        return 0.0;
    const QImage a = spread(screen);
    const QImage b = spread(back);
    int same = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int apart =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
            same += apart <= 32;
        }
    }
    return double(same) / (a.width() * a.height());
}

// Almost every pixel agrees, and what disagrees is a small part of all that is drawn: a blank
// page would disagree at least four times as much.
bool looksLike(const QImage &screen, const QImage &back)
{
    QImage blank(screen.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    const double share = agreement(screen, back);
    const double blankShare = agreement(screen, blank);
    return share > 0.95 && 1 - share < (1 - blankShare) / 4;
}

// Bitmaps in the file: <image> elements of an SVG, the images pdfimages lists in a PDF.
int bitmapsIn(const QString &path)
{
    if (path.endsWith(QLatin1String(".svg")))
        return int(contents(path).count("<image"));
    const std::optional<QString> list =
        run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    if (!list)
        return -1;
    return int(list->split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2; // two of heading
}

// The bitmaps of a PDF, each as it was put in; empty when pdfimages fails.
QList<QImage> imagesIn(const QString &path)
{
    QTemporaryDir dir;
    QList<QImage> images;
    if (!run(QStringLiteral("pdfimages"), {QStringLiteral("-png"), path, dir.filePath("i")}))
        return images;
    for (const QFileInfo &file : QDir(dir.path()).entryInfoList(QDir::Files, QDir::Name))
        images << QImage(file.filePath()).convertToFormat(QImage::Format_RGB32);
    return images;
}

// Whether the bitmap stands somewhere in the picture exactly, pixel for pixel.
bool standsIn(const QImage &piece, const QImage &picture)
{
    for (int y = 0; y + piece.height() <= picture.height(); ++y)
        for (int x = 0; x + piece.width() <= picture.width(); ++x)
            if (picture.copy(x, y, piece.width(), 1) == piece.copy(0, 0, piece.width(), 1) &&
                picture.copy(x, y, piece.width(), piece.height()) == piece)
                return true;
    return false;
}

void bandAndMap(Started &started, bool map)
{
    InterferencePanel &panel = started.panel();
    panel.setPage(2);
    panel.Showscreen->setChecked(true);
    panel.addinter->setChecked(true);
    panel.Hdetailcb->setChecked(map);
    started.window.Panel1->movescreen->setValue(60);
    for (int tick = 0; tick < 5; ++tick)
        panel.Timer1Timer();
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void formatFollowsTheExtension_data();
    void formatFollowsTheExtension();
    void pictureExports_data();
    void pictureExports();
    void lightPatternExports_data();
    void lightPatternExports();
    void failedExportKeepsWhatWasThere_data();
    void failedExportKeepsWhatWasThere();
    void unknownKindWritesNothing();
    void dialogOffersTheThreeKinds();
};

void ExportTest::formatFollowsTheExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format"); // -1: none
    QTest::newRow("png") << "/a/fringes.png" << int(PictureFormat::Png);
    QTest::newRow("capital SVG") << "fringes.SVG" << int(PictureFormat::Svg);
    QTest::newRow("pdf") << "fringes.pdf" << int(PictureFormat::Pdf);
    QTest::newRow("no extension") << "fringes" << int(PictureFormat::Png);
    QTest::newRow("dotted folder") << "lab.v2/fringes" << int(PictureFormat::Png);
    QTest::newRow("jpeg") << "fringes.jpg" << -1;
    QTest::newRow("svg inside a name") << "fringes.svg.txt" << -1;
}

void ExportTest::formatFollowsTheExtension()
{
    QFETCH(QString, path);
    QFETCH(int, format);
    const std::optional<PictureFormat> found = pictureFormat(path);
    QCOMPARE(found ? int(*found) : -1, format);
}

void ExportTest::pictureExports_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("bitmaps"); // in the vector files: the band strip and the map
    const Setup none = [](Started &) {};
    QTest::newRow("interference") << "Rundique" << none << 0;
    QTest::newRow("three sources, measuring") << "Rundique" << Setup([](Started &s) {
        s.panel().setPage(1);
        s.panel().Numpoints->setCurrentIndex(2);
        s.panel().NumpointsChange();
        s.panel().setPage(3);
        s.panel().measurecb->setChecked(true);
        s.panel().bicb->setChecked(true);
    }) << 0;
    QTest::newRow("band") << "Rundique" << Setup([](Started &s) { bandAndMap(s, false); }) << 1;
    QTest::newRow("band and map") << "Rundique" << Setup([](Started &s) { bandAndMap(s, true); })
                                  << 2;
    QTest::newRow("map alone") << "Rundique"
                               << Setup([](Started &s) { s.panel().Hdetailcb->setChecked(true); })
                               << 1;
    QTest::newRow("wavefronts, rays") << "Pelvane" << Setup([](Started &s) {
        s.window.huygens->Showraycb->setChecked(true);
        s.window.huygens->timersb->setValue(400);
    }) << 0;
    QTest::newRow("wavelet row, ruler") << "Pelvane" << Setup([](Started &s) {
        s.window.huynb->setPage(0);
        s.window.huygens->dcb->setChecked(true);
        s.window.state.anchorPoint = QPoint(100, 200);
        s.window.state.rulerEnd = QPoint(300, 120);
        s.window.huygens->lrbt();
    }) << 0;
    QTest::newRow("single slit, protractor") << "Sorvelle" << Setup([](Started &s) {
        s.window.sslit->acb->setChecked(true);
        s.window.state.anchorPoint = QPoint(360, 170);
        s.window.state.movingPoint = QPoint(520, 90);
        s.window.sslit->opening();
    }) << 0;
}

void ExportTest::pictureExports()
{
    QFETCH(QString, program);
    QFETCH(Setup, setup);
    QFETCH(int, bitmaps);
    Started started(program);
    setup(started);
    TInterference &window = started.window;
    // What the screen shows: the view, with the detail map over it while it is shown.
    QImage screen = window.Panel1->water->image().copy();
    for (ImageView *map : {window.Panel1->mim1, window.Panel1->mim2}) {
        if (!map->isHidden()) {
            QPainter painter(&screen);
            painter.drawImage(map->pos() - QPoint(viewOffset, viewOffset), map->image());
        }
    }
    QTemporaryDir dir;
    for (const QString name : {"view.png", "view", "view.svg", "view.pdf"}) {
        const QString path = dir.filePath(name);
        started.files.answers = {path};
        window.ExportPicture1->trigger();
        QCOMPARE(started.dialogs.shown.size(), std::size_t(0));
        if (!name.endsWith(QLatin1String(".svg")) && !name.endsWith(QLatin1String(".pdf"))) {
            const QImage png(path, "PNG");
            QCOMPARE(png.convertToFormat(QImage::Format_RGB32), screen);
            continue;
        }
        QCOMPARE(bitmapsIn(path), bitmaps);
        if (name.endsWith(QLatin1String(".pdf")))
            for (const QImage &piece : imagesIn(path))
                QVERIFY2(standsIn(piece, screen), "a PDF's bitmap differs from the screen");
        const QImage back = renderedBack(path, screen.size());
        QVERIFY2(!back.isNull(), qPrintable(name));
        QVERIFY(looksLike(screen, back));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4); // no temporary file is left
}

void ExportTest::lightPatternExports_data()
{
    QTest::addColumn<bool>("doubleSlit");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::addColumn<bool>("ruler");
    QTest::newRow("single, colour") << false << false << false;
    QTest::newRow("double, grey, ruler") << true << true << true;
    QTest::newRow("double, colour, ruler") << true << false << true;
}

void ExportTest::lightPatternExports()
{
    QFETCH(bool, doubleSlit);
    QFETCH(bool, blackAndWhite);
    QFETCH(bool, ruler);
    Started started(QStringLiteral("Rundique"));
    Tpattfrm &light = *started.window.pattfrm;
    light.FormShow();
    doubleSlit ? light.selectDoubleSlit() : light.selectSingleSlit();
    light.wavesb->setValue(1100);
    light.widthsb->setValue(120);
    light.bwcb->setChecked(blackAndWhite);
    if (ruler) {
        light.measurecb->setChecked(true);
        light.outimMouseMove(QPoint(500, 40));
        light.outimMouseUp(QPoint(500, 40));
        light.outimMouseMove(QPoint(300, 60));
    }
    const QImage screen = light.outim->image().copy();
    QTemporaryDir dir;
    for (const QString name : {"pattern.png", "pattern.svg", "pattern.pdf"}) {
        const QString path = dir.filePath(name);
        started.files.answers = {path};
        light.ExportPicture1->trigger();
        QVERIFY(started.dialogs.shown.empty());
        if (name.endsWith(QLatin1String(".png"))) {
            QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), screen);
            continue;
        }
        QCOMPARE(bitmapsIn(path), 0); // every column is a line of its own colour
        QVERIFY(looksLike(screen, renderedBack(path, screen.size())));
    }
}

void ExportTest::failedExportKeepsWhatWasThere_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << "view.png";
    QTest::newRow("svg") << "view.svg";
    QTest::newRow("pdf") << "view.pdf";
}

void ExportTest::failedExportKeepsWhatWasThere()
{
    QFETCH(QString, name);
    Started started(QStringLiteral("Rundique"));
    bandAndMap(started, true); // the largest files, bitmaps and all

    // A folder that is not there.
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no such folder/") + name);
    started.files.answers = {missing};
    started.window.ExportPicture1->trigger();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(started.dialogs.shown.back().kind, MessageKind::Error);
    QVERIFY(started.dialogs.shown.back().text.contains(QStringLiteral("could not be created")));
    QVERIFY(!QFile::exists(missing));

    // A disk that fills: the old file stays whole and nothing else is left.
    FullFolder folder;
    const QByteArray old("an older picture");
    QVERIFY(folder.put(name, old));
    const QStringList before = folder.files();
    started.files.answers = {folder.filePath(name)};
    QVERIFY(folder.fill());
    started.window.ExportPicture1->trigger();
    folder.release();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(2));
    const QString message = started.dialogs.shown.back().text;
    QVERIFY2(message.contains(folder.systemError()) && message.contains(folder.filePath(name)),
             qPrintable(message));
    QCOMPARE(folder.files(), before);
    QCOMPARE(contents(folder.filePath(name)), old);
}

void ExportTest::unknownKindWritesNothing()
{
    Started started(QStringLiteral("Sorvelle"));
    QTemporaryDir dir;
    started.files.answers = {dir.filePath(QStringLiteral("slit.jpg"))};
    started.window.ExportPicture1->trigger();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(started.dialogs.shown.back().kind, MessageKind::Warning);
    QVERIFY(started.dialogs.shown.back().text.contains(QStringLiteral(".png, .svg or .pdf")));
    QVERIFY(QDir(dir.path()).isEmpty());
    // Cancelling the dialog is no failure.
    started.window.ExportPicture1->trigger();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
}

void ExportTest::dialogOffersTheThreeKinds()
{
    Started started(QStringLiteral("Pelvane"));
    QCOMPARE(started.window.ExportPicture1->shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    QVERIFY(started.window.File1->actions().contains(started.window.ExportPicture1));
    started.window.ExportPicture1->trigger();
    const QList<FileFilter> &kinds = started.files.asked.back().filters;
    QCOMPARE(kinds.size(), 3);
    QCOMPARE(kinds[0].pattern, QStringLiteral("*.png"));
    QCOMPARE(kinds[1].pattern, QStringLiteral("*.svg"));
    QCOMPARE(kinds[2].pattern, QStringLiteral("*.pdf"));
}

QTEST_MAIN(ExportTest)
#include "test_export.moc"
