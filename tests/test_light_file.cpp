// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/experiment_file.h"
#include "slit/light_experiments.h"

#include "full_folder.h"
#include "platform/safe_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

using namespace wave;

Q_DECLARE_METATYPE(ReadStatus)

namespace {

ReadOutcome readWhole(const QByteArray &bytes)
{
    ExperimentReader reader;
    reader.feed(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return reader.finish();
}

ReadOutcome readByteByByte(const QByteArray &bytes)
{
    ExperimentReader reader;
    for (char c : bytes)
        reader.feed(std::string_view(&c, 1));
    return reader.finish();
}

// A file of `size` bytes of one letter, made up as it is read and never held.
class EndlessLine : public QIODevice {
public:
    explicit EndlessLine(qint64 size) : left_(size) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 most) override
    {
        const qint64 given = std::min(most, left_);
        std::fill(data, data + given, 'x');
        left_ -= given;
        return given;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 left_;
};

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class LightFileTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void hideOptions();
    void writtenBytes_data();
    void writtenBytes();
    void writtenFilesReadBack();
    void aLongLineIsNotHeld();
    void savingReplacesAWholeFile();
    void aFailedSaveKeepsTheOldFile();
    void aFullDiskKeepsEveryFile_data();
    void aFullDiskKeepsEveryFile();
    void aFailingWriterLeavesNothing();
    void unusableFiles();
};

void LightFileTest::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<ExperimentRecord>("record");
    const ExperimentRecord none{};
    const ExperimentRecord saved{3, 2, 240, 54, 905};
    const auto loaded = ReadStatus::Loaded;
    const auto noData = ReadStatus::NoData;
    const auto bad = ReadStatus::BadNumber;
    QTest::newRow("empty") << QByteArray() << noData << none;
    QTest::newRow("CR LF") << QByteArray("Start Data\r\n3 2 240 54 905") << loaded << saved;
    QTest::newRow("LF") << QByteArray("note\nStart Data\n3 2 240 54 905\n") << loaded << saved;
    QTest::newRow("CR") << QByteArray("note\rStart Data\r3 2 240 54 905") << loaded << saved;
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBFStart Data\r\n3 2 240 54 905") << loaded << saved;
    QTest::newRow("half a mark is text")
        << QByteArray("\xEF\xBBStart Data\r\n1 1 1 1 1") << noData << none;
    QTest::newRow("several lines")
        << QByteArray("Start Data\r\n3\r\n2 240\r\n\r\n 54\t905") << loaded << saved;
    QTest::newRow("sixth value ignored")
        << QByteArray("Start Data\r\n3 2 240 54 905 7 junk") << loaded << saved;
    QTest::newRow("marker only") << QByteArray("Start Data\r\n") << noData << none;
    QTest::newRow("marker without line end") << QByteArray("a\r\nStart Data") << noData << none;
    QTest::newRow("marker and blanks") << QByteArray("Start Data\r\n  \r\n") << noData << none;
    QTest::newRow("marker with trailing blank")
        << QByteArray("Start Data \r\n3 2 240 54 905") << noData << none;
    QTest::newRow("marker in other case")
        << QByteArray("start data\r\n3 2 240 54 905") << noData << none;
    QTest::newRow("four values") << QByteArray("Start Data\r\n3 2 240 54") << noData << none;
    QTest::newRow("signs") << QByteArray("Start Data\r\n-1 +2 -500 99999 2147483647") << loaded
                           << ExperimentRecord{-1, 2, -500, 99999, 2147483647};
    QTest::newRow("smallest int") << QByteArray("Start Data\r\n0 1 -2147483648 1 1") << loaded
                                  << ExperimentRecord{0, 1, -2147483648, 1, 1};
    QTest::newRow("beyond int") << QByteArray("Start Data\r\n0 1 2147483648 1 1") << bad << none;
    QTest::newRow("far beyond int")
        << QByteArray("Start Data\r\n0 1 1 1 ") + QByteArray(5000, '9') << bad << none;
    QTest::newRow("letters") << QByteArray("Start Data\r\n3 2 24o 54 905") << bad << none;
    QTest::newRow("decimal point") << QByteArray("Start Data\r\n3 2 240.5 54 905") << bad << none;
    QTest::newRow("sign alone") << QByteArray("Start Data\r\n3 - 240 54 905") << bad << none;
    QTest::newRow("comment line Start Data, then text")
        << QByteArray("Start Data\r\nthe data follow\r\nStart Data\r\n3 2 240 54 905") << bad
        << none;
    QTest::newRow("comment line Start Data, then numbers")
        << QByteArray("Start Data\r\n1 1 125 80 400\r\nStart Data\r\n3 2 240 54 905") << loaded
        << ExperimentRecord{1, 1, 125, 80, 400};
    QTest::newRow("binary") << QByteArray("\x00\xff\x01\r\x9a\n\x00", 7) << noData << none;
}

void LightFileTest::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadStatus, status);
    QFETCH(ExperimentRecord, record);
    for (const ReadOutcome &read : {readWhole(bytes), readByteByByte(bytes)}) {
        QCOMPARE(read.status, status);
        if (status == ReadStatus::Loaded)
            QCOMPARE(read.record, record);
    }
}

void LightFileTest::hideOptions()
{
    const std::array<std::pair<int, Hidden>, 6> options{{{0, Hidden::None},
                                                         {1, Hidden::Screen},
                                                         {2, Hidden::Slit},
                                                         {3, Hidden::Wavelength},
                                                         {4, Hidden::Wavelength},
                                                         {-1, Hidden::Wavelength}}};
    for (auto [option, hidden] : options)
        QCOMPARE(experimentFromRecord({option, 1, 100, 80, 400}).hidden, hidden);
    QCOMPARE(experimentFromRecord({0, 1, 1, 2, 3}),
             (Experiment{SlitKind::Single, Hidden::None, 1, 2, 3}));
    for (int kind : {0, 2, 7})
        QCOMPARE(experimentFromRecord({0, kind, 1, 2, 3}).kind, SlitKind::Double);
}

void LightFileTest::writtenBytes_data()
{
    QTest::addColumn<QStringList>("comment");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no comment") << QStringList() << QByteArray("Start Data\r\n3 2 240 54 905");
    QTest::newRow("comment lines") << QStringList{"Fringes at 1 m", "", "class 5"}
                                   << QByteArray("Fringes at 1 m\r\n\r\nclass 5\r\n"
                                                 "Start Data\r\n3 2 240 54 905");
    QTest::newRow("Windows-1252")
        << QStringList{QStringLiteral("80 \u00b5m, caf\u00e9, 5 \u20ac")}
        << QByteArray("80 \xb5m, caf\xe9, 5 \x80\r\nStart Data\r\n3 2 240 54 905");
    QTest::newRow("beyond Windows-1252 in UTF-8")
        << QStringList{QStringLiteral("\u03bb = 532 nm \u00b5")}
        << QByteArray("\xEF\xBB\xBF\xCE\xBB = 532 nm \xC2\xB5\r\nStart Data\r\n3 2 240 54 905");
}

void LightFileTest::writtenBytes()
{
    QFETCH(QStringList, comment);
    QFETCH(QByteArray, bytes);
    QCOMPARE(experimentFileBytes(comment, {3, 2, 240, 54, 905}), bytes);
}

void LightFileTest::writtenFilesReadBack()
{
    QVERIFY(!toWindows1252(QStringLiteral("\u0081"))); // a gap in the code page
    for (const QStringList &comment :
         {QStringList(), QStringList{QStringLiteral("\u03bb \U0001F4A1"), QString()}}) {
        QBuffer file;
        file.setData(experimentFileBytes(comment, {1, 1, 500, 200, 1536}));
        file.open(QIODevice::ReadOnly);
        const LoadOutcome read = readExperiment(file);
        QCOMPARE(read.status, LoadStatus::Loaded);
        QCOMPARE(read.record, (ExperimentRecord{1, 1, 500, 200, 1536}));
    }
}

void LightFileTest::aLongLineIsNotHeld()
{
    const long before = peakKilobytes();
    EndlessLine file(qint64(400) << 20);
    QCOMPARE(readExperiment(file).status, LoadStatus::NoData);
    QVERIFY2(peakKilobytes() - before < 32 * 1024, "a 400 MB line was held in memory");
}

void LightFileTest::savingReplacesAWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fringes.int"));
    QCOMPARE(saveExperimentFile(path, QByteArray(10000, 'x')), QString());
    QCOMPARE(saveExperimentFile(path, "Start Data\r\n0 1 100 80 400"), QString());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("Start Data\r\n0 1 100 80 400"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"fringes.int"});

    QCOMPARE(saveExperimentFile(dir.path(), "x"), QStringLiteral("File access denied"));
    QCOMPARE(saveExperimentFile(dir.filePath("missing/a.int"), "x"),
             QStringLiteral("Path not found"));
}

void LightFileTest::aFailedSaveKeepsTheOldFile()
{
    if (geteuid() == 0)
        QSKIP("root writes into a read-only folder");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fringes.int"));
    QCOMPARE(saveExperimentFile(path, "Start Data\r\n0 1 100 80 400"), QString());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QCOMPARE(saveExperimentFile(path, "Start Data\r\n1 1 1 1 1"),
             QStringLiteral("File access denied"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("Start Data\r\n0 1 100 80 400"));
}

void LightFileTest::aFullDiskKeepsEveryFile_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("size"); // small ones fit any write buffer and fail only on flushing
    QTest::newRow("onto a file, small") << true << 26;
    QTest::newRow("onto a file, large") << true << 300000;
    QTest::newRow("a new name, small") << false << 26;
    QTest::newRow("a new name, large") << false << 300000;
}

void LightFileTest::aFullDiskKeepsEveryFile()
{
    QFETCH(bool, existing);
    QFETCH(int, size);
    FullFolder folder;
    const QByteArray old("Start Data\r\n0 1 100 80 400");
    if (existing)
        QVERIFY(folder.put(QStringLiteral("fringes.int"), old));
    const QStringList before = folder.files();
    QVERIFY(folder.fill());
    const QString path = folder.filePath(QStringLiteral("fringes.int"));
    const QString error = saveExperimentFile(path, QByteArray(size, 'x'));
    folder.release();
    QCOMPARE(error, QStringLiteral("Disk write error: %1\n%2").arg(folder.systemError(), path));
    QCOMPARE(folder.files(), before);
    if (existing) {
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), old);
    }
}

void LightFileTest::aFailingWriterLeavesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    QVERIFY(writeWholeFile(path, QByteArray("old")).ok());
    const WriteOutcome failed = writeWholeFile(path, [](QIODevice &device) {
        device.write("half");
        return false;
    });
    QCOMPARE(failed.stage, WriteStage::Write);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"picture.png"});
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old"));
}

void LightFileTest::unusableFiles()
{
    QTemporaryDir dir;
    const std::array<std::pair<QString, QString>, 3> unusable{
        {{dir.filePath("none.int"), "File not found"},
         {dir.filePath("none/none.int"), "Path not found"},
         {dir.path(), "File access denied"}}};
    for (const auto &[path, error] : unusable) {
        const LoadOutcome read = loadExperimentFile(path);
        QCOMPARE(read.status, LoadStatus::Failed);
        QCOMPARE(read.error, error);
    }
}

QTEST_GUILESS_MAIN(LightFileTest)
#include "test_light_file.moc"
