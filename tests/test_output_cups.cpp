// SPDX-License-Identifier: GPL-3.0-or-later
// Prints from the real window through a print scheduler of the test's own, with a queue
// that turns every job into a PDF, and reads the PDFs back.
#include "app/main_window.h"
#include "interference/interference_panel.h"
#include "scripted_clipboard.h"
#include "scripted_dialogs.h"
#include "scripted_file_dialogs.h"
#include "scripted_random.h"
#include "scripted_starter.h"
#include "view/wave_view.h"

#include <QAction>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <pwd.h>
#include <unistd.h>

using namespace wave;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
}

} // namespace

class OutputCupsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyProductPrintsToTheQueue_data();
    void everyProductPrintsToTheQueue();
    void anInstancePrintsToItsQueue();
    void refusedJobsAreReported_data();
    void refusedJobsAreReported();
    void noPrinterIsReported_data();
    void noPrinterIsReported();

private:
    // The PDF of the next job the queue finishes.
    QString nextPdf();
    // The one bitmap of the newest job file the scheduler kept.
    QImage keptJobImage();

    QTemporaryDir root_;
    QProcess scheduler_;
    QDir out_;
    QDateTime since_;
    QStringList seen_;
};

void OutputCupsTest::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("The PDF queue's back end runs only under a scheduler started by root.");
    QVERIFY(root_.isValid());
    const QString dir = root_.path();
    for (const char *sub : {"spool", "tmp", "cache", "state", "ppd"})
        QVERIFY(QDir(dir).mkpath(QLatin1String(sub)));
    // the filters run as the scheduler's own unprivileged user and need the temporary folder
    QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                           QFile::ExeGroup));
    QVERIFY(QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("1777"), dir + "/tmp"}) ==
            0);
    const QString socket = dir + QStringLiteral("/cups.sock");
    auto write = [&](const QString &name, const QString &text) {
        QFile file(dir + '/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(text.toUtf8()) > 0);
    };
    write(QStringLiteral("cupsd.conf"),
          QStringLiteral("Listen %1\nWebInterface No\nBrowsing No\nPreserveJobFiles Yes\n"
                         "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                         "<Location /admin>\nOrder allow,deny\nAllow all\n</Location>\n"
                         "<Policy default>\n<Limit All>\nOrder allow,deny\nAllow all\n"
                         "</Limit>\n</Policy>\n")
              .arg(socket));
    write(QStringLiteral("cups-files.conf"),
          QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir "
                         "%1/cache\nStateDir %1/state\nErrorLog %1/error_log\nAccessLog "
                         "%1/access_log\nPageLog %1/page_log\nServerBin /usr/lib/cups\n"
                         "DataDir /usr/share/cups\nSystemGroup root\n")
              .arg(dir));
    scheduler_.start(QStringLiteral("/usr/sbin/cupsd"),
                     {QStringLiteral("-f"), QStringLiteral("-c"), dir + "/cupsd.conf",
                      QStringLiteral("-s"), dir + "/cups-files.conf"});
    QVERIFY(scheduler_.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    // The queue writes into the submitting user's home, as the system knows it. The clients,
    // Qt's among them, get a home and a configuration folder of the test's own, so that a
    // default printer the user once chose neither steers the test nor is touched by it.
    out_ = QDir(QString::fromLocal8Bit(getpwuid(geteuid())->pw_dir) + QStringLiteral("/PDF"));
    QVERIFY(QDir(dir).mkpath(QStringLiteral("home")));
    qputenv("HOME", (dir + QStringLiteral("/home")).toLocal8Bit());
    qputenv("CUPS_SERVERROOT", dir.toLocal8Bit());
    for (const char *queue : {"wavepdf", "wavedeny"})
        run(QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), QLatin1String(queue), QStringLiteral("-E"), QStringLiteral("-v"),
             QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
             QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")});
    run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), QStringLiteral("wavedeny"),
                                    QStringLiteral("-u"), QStringLiteral("allow:nobody")});
    run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("wavepdf")});
    // an instance of the queue, kept in the test's own lpoptions
    run(QStringLiteral("lpoptions"), {QStringLiteral("-p"), QStringLiteral("wavepdf/draft"),
                                      QStringLiteral("-o"), QStringLiteral("page-border=single")});
    QVERIFY(run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).contains("wavepdf"));
    since_ = QDateTime::currentDateTime().addSecs(-1);
}

void OutputCupsTest::cleanupTestCase()
{
    for (const QString &name : std::as_const(seen_))
        out_.remove(name);
    if (scheduler_.state() != QProcess::NotRunning) {
        scheduler_.terminate();
        scheduler_.waitForFinished();
    }
}

QString OutputCupsTest::nextPdf()
{
    // Job numbers, and with them the file names, start again with every scheduler, so a
    // file counts as new by its time.
    QString found;
    const auto arrived = [&] {
        for (const QFileInfo &file : out_.entryInfoList({QStringLiteral("*.pdf")}))
            if (file.lastModified() >= since_ && !seen_.contains(file.fileName())) {
                found = file.filePath();
                seen_ << file.fileName();
                return true;
            }
        return false;
    };
    QDeadlineTimer deadline(30000);
    while (!arrived() && !deadline.hasExpired())
        QTest::qWait(100);
    // the back end writes the file before it closes it
    QTest::qWait(500);
    return found;
}

QImage OutputCupsTest::keptJobImage()
{
    const QFileInfoList jobs = QDir(root_.path() + QStringLiteral("/spool"))
                                   .entryInfoList({QStringLiteral("d*")}, QDir::Files, QDir::Time);
    if (jobs.isEmpty())
        return {};
    QTemporaryDir out;
    run(QStringLiteral("pdfimages"),
        {QStringLiteral("-png"), jobs.first().filePath(), out.filePath(QStringLiteral("job"))});
    return QImage(out.filePath(QStringLiteral("job-000.png")));
}

void OutputCupsTest::everyProductPrintsToTheQueue_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("interference") << "Rundique";
    QTest::newRow("Huygens") << "Pelvane";
    QTest::newRow("single slit") << "Sorvelle";
}

void OutputCupsTest::everyProductPrintsToTheQueue()
{
    QFETCH(QString, program);
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ScriptedClipboard clipboard;
    ScriptedRandom random;
    QtPrinter printer;
    ScriptedStarter starter;
    TInterference window(program, {dialogs, files, clipboard, random, printer, starter});
    window.show();
    window.FormActivate();

    window.print2->trigger();
    QVERIFY2(dialogs.shown.empty(), dialogs.shown.empty() ? "" : qPrintable(dialogs.shown[0].text));
    const QString picture = nextPdf();
    QVERIFY(!picture.isEmpty());
    const QString images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), picture});
    QVERIFY2(images.contains(QRegularExpression(QStringLiteral("\\s709\\s+349\\s"))),
             qPrintable(images));
    // The job as the scheduler received it carries the view's picture pixel for pixel.
    const QImage sent = keptJobImage();
    QCOMPARE(sent.convertToFormat(QImage::Format_RGB32), window.Panel1->water->image());

    if (program == QStringLiteral("Rundique")) {
        window.Varying->prntbt->click();
        QVERIFY(dialogs.shown.empty());
        const QString full = nextPdf();
        QVERIFY(!full.isEmpty());
        const QStringList rows = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), full})
                                     .split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 2); // headings only: no bitmap on the full page
    }
}

// An instance of a queue is a printer of its own: the page goes to its queue.
void OutputCupsTest::anInstancePrintsToItsQueue()
{
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ScriptedClipboard clipboard;
    ScriptedRandom random;
    QtPrinter printer;
    printer.device().setPrinterName(QStringLiteral("wavepdf/draft"));
    QCOMPARE(printer.device().printerName(), QStringLiteral("wavepdf/draft"));
    ScriptedStarter starter;
    TInterference window(QStringLiteral("Rundique"),
                         {dialogs, files, clipboard, random, printer, starter});
    window.FormActivate();
    window.print2->trigger();
    QVERIFY2(dialogs.shown.empty(), dialogs.shown.empty() ? "" : qPrintable(dialogs.shown[0].text));
    QVERIFY(!nextPdf().isEmpty());
}

// A queue told to reject jobs is refused before the page is drawn; a queue that takes the
// job's request but denies it is caught from the service's answer after Qt sent the page.
// Either way the student is told, and nothing reaches the queue.
void OutputCupsTest::refusedJobsAreReported_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QString>("said");
    QTest::newRow("rejecting") << "wavepdf"
                               << "does not take jobs for the printer \"wavepdf\"";
    QTest::newRow("denied") << "wavedeny"
                            << "refused the page for the printer \"wavedeny\"";
    QTest::newRow("rejecting, an instance")
        << "wavepdf/draft"
        << "does not take jobs for the printer \"wavepdf/draft\"";
}

void OutputCupsTest::refusedJobsAreReported()
{
    QFETCH(QString, queue);
    QFETCH(QString, said);
    const QString base = queue.section(QLatin1Char('/'), 0, 0);
    const bool rejecting = base == QStringLiteral("wavepdf");
    const auto jobs = [&] {
        return run(QStringLiteral("lpstat"),
                   {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), base})
            .count(QLatin1Char('\n'));
    };
    const qsizetype before = jobs();
    if (rejecting)
        run(QStringLiteral("cupsreject"), {base});
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ScriptedClipboard clipboard;
    ScriptedRandom random;
    QtPrinter printer;
    ScriptedStarter starter;
    printer.device().setPrinterName(queue);
    TInterference window(QStringLiteral("Rundique"),
                         {dialogs, files, clipboard, random, printer, starter});
    window.FormActivate();
    window.print2->trigger();
    if (rejecting)
        run(QStringLiteral("cupsaccept"), {base});
    QCOMPARE(dialogs.shown.size(), 1u);
    QCOMPARE(dialogs.shown[0].kind, MessageKind::Error);
    QVERIFY2(dialogs.shown[0].text.contains(said), qPrintable(dialogs.shown[0].text));
    QVERIFY(dialogs.shown[0].text.contains(QStringLiteral("Print Setup")));
    QCOMPARE(jobs(), before);
}

// With no queue at all, or no print service, there is no printer: the student is told so and
// how to find one, for the picture and for the full page alike.
void OutputCupsTest::noPrinterIsReported_data()
{
    QTest::addColumn<bool>("serviceRuns");
    QTest::newRow("no queue") << true;
    QTest::newRow("no print service") << false;
}

void OutputCupsTest::noPrinterIsReported()
{
    QFETCH(bool, serviceRuns);
    for (const char *queue : {"wavepdf", "wavedeny"})
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QLatin1String(queue)});
    QVERIFY(!run(QStringLiteral("lpstat"), {QStringLiteral("-p")}).contains("wavepdf"));
    if (!serviceRuns) {
        scheduler_.terminate();
        QVERIFY(scheduler_.waitForFinished());
    }
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ScriptedClipboard clipboard;
    ScriptedRandom random;
    QtPrinter printer;
    ScriptedStarter starter;
    TInterference window(QStringLiteral("Rundique"),
                         {dialogs, files, clipboard, random, printer, starter});
    window.FormActivate();
    window.print2->trigger();
    window.Varying->prntbt->click();
    QCOMPARE(dialogs.shown.size(), 2u);
    for (const ScriptedDialogs::Shown &shown : dialogs.shown) {
        QCOMPARE(shown.kind, MessageKind::Error);
        QVERIFY2(shown.text.startsWith(QStringLiteral("No printer is available.")),
                 qPrintable(shown.text));
        QVERIFY(shown.text.contains(QStringLiteral("\"Print Setup\"")));
    }
}

QTEST_MAIN(OutputCupsTest)
#include "test_output_cups.moc"
