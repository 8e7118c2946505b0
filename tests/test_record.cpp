// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_folder.h"
#include "huygens/huygens_pages.h"
#include "platform/gif_writer.h"
#include "record/record_dialog.h"
#include "slit/slit_panel.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QAction>
#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/mount.h>

using namespace wave;

namespace {

using Setup = std::function<void(Started &)>;
using Tick = std::function<void(Started &)>;

// The dialog's answer: one period, or these seconds, at the interval (0: the offered one).
std::function<bool(QDialog &)> answer(int seconds = 0, int interval = 0)
{
    return [seconds, interval](QDialog &dialog) {
        auto &record = static_cast<TRecord &>(dialog);
        if (seconds > 0) {
            record.secondsrb->setChecked(true);
            record.secondsse->setValue(seconds);
        }
        if (interval > 0)
            record.intervalse->setValue(interval);
        return true;
    };
}

struct Decoded {
    std::vector<QImage> frames;
    std::vector<int> delays;
    int loops = 0;
};

// The GIF as Qt's own reader shows it, frame by frame.
Decoded readGif(const QString &path)
{
    Decoded gif;
    QImageReader reader(path, "gif");
    QImage frame;
    while (reader.read(&frame)) {
        gif.frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
        gif.delays.push_back(reader.nextImageDelay());
    }
    gif.loops = reader.loopCount();
    return gif;
}

std::vector<QImage> readFolder(const QString &path)
{
    std::vector<QImage> frames;
    for (const QString &name : QDir(path).entryList(QDir::Files, QDir::Name))
        frames.push_back(QImage(QDir(path).filePath(name)).convertToFormat(QImage::Format_RGB32));
    return frames;
}

// The largest difference of a channel between two pictures of one size.
int channelDistance(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    int most = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            most = std::max({most, std::abs(qRed(p[x]) - qRed(q[x])),
                             std::abs(qGreen(p[x]) - qGreen(q[x])),
                             std::abs(qBlue(p[x]) - qBlue(q[x]))});
    }
    return most;
}

// A folder nothing can be written into: a read-only mount as root, else no write permission.
class ReadOnlyFolder {
public:
    ReadOnlyFolder()
    {
        const QByteArray path = QFile::encodeName(dir_.path());
        mounted_ = ::mount("tmpfs", path.constData(), "tmpfs", MS_RDONLY, "size=64k") == 0;
        if (!mounted_)
            QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
        else
            QFile::setPermissions(dir_.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString filePath(const QString &name) const { return dir_.filePath(name); }
    bool isEmpty() const
    {
        return QDir(dir_.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace

class RecordTest : public QObject {
    Q_OBJECT
private slots:
    void onePeriodLoopsAsTheViewRuns_data();
    void onePeriodLoopsAsTheViewRuns();
    void simulatedWaterRunsOnInACopy_data();
    void simulatedWaterRunsOnInACopy();
    void secondsAtAnInterval_data();
    void secondsAtAnInterval();
    void failuresLeaveNothing_data();
    void failuresLeaveNothing();
};

void RecordTest::onePeriodLoopsAsTheViewRuns_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Tick>("tick");
    QTest::addColumn<int>("period");
    // Ticks from the picture shown to the loop's first frame.
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("interval");

    const Tick rings = [](Started &s) { s.panel().Timer1Timer(); };
    QTest::newRow("two sources, wavelength 30")
        << "Rundique" << Setup([](Started &) {}) << rings << 30 << 0 << 200;
    QTest::newRow("three sources, band and map") << "Rundique" << Setup([](Started &s) {
        InterferencePanel &panel = s.panel();
        choose(panel.Numpoints, 2);
        panel.unlocked->setChecked(true);
        panel.C1space->setValue(10);
        panel.c3space->setValue(12);
        panel.timerate->setValue(40);
        panel.setPage(2);
        panel.Showscreen->setChecked(true);
        panel.Hdetailcb->setChecked(true);
        s.window.Panel1->movescreen->setValue(80);
        panel.Timer1Timer();
    }) << rings << 120 << 0 << 220;
    QTest::newRow("wavelets, sequential, from the reset") << "Pelvane" << Setup([](Started &s) {
        s.window.huynb->setPage(0);
        s.window.huygens->movingrb->setChecked(true);
        s.window.huygens->dcb->setChecked(true);
    }) << Tick([](Started &s) { s.window.huygens->lrtimerTimer(); })
                                                          << 99 << 1 << 100;
    QTest::newRow("wavefronts reflected, measured") << "Pelvane" << Setup([](Started &s) {
        s.window.huygens->reflrb->setChecked(true);
        s.window.huygens->wavefsb->setValue(3);
        s.window.huygens->timersb->setValue(300);
        s.window.huygens->meacb->setChecked(true);
    }) << Tick([](Started &s) { s.window.huygens->Timer4Timer(); })
                                                    << 234 << 0 << 100;
    QTest::newRow("slit, wavelength 7") << "Sorvelle" << Setup([](Started &s) {
        s.window.sslit->pwavesb->setValue(7);
        s.window.sslit->slitPhase = 4;
        s.window.sslit->timeropen->setValue(5);
        s.window.sslit->opening();
    }) << Tick([](Started &s) { s.window.sslit->Timer2Timer(); })
                                        << 7 << 0 << 380;
}

void RecordTest::onePeriodLoopsAsTheViewRuns()
{
    QFETCH(QString, program);
    QFETCH(Setup, setup);
    QFETCH(Tick, tick);
    QFETCH(int, period);
    QFETCH(int, lead);
    QFETCH(int, interval);
    Started started(program);
    setup(started);
    const QImage shown = started.window.exportedPicture();

    QTemporaryDir dir;
    const QString gif = dir.filePath(QStringLiteral("loop.gif"));
    const QString folder = dir.filePath(QStringLiteral("frames"));
    started.dialogs.answers = {answer(), answer()};
    started.files.answers = {gif, folder};
    started.window.RecordAnimation1->trigger();
    started.window.RecordAnimation1->trigger();
    QVERIFY(started.dialogs.shown.empty());
    // Recording leaves the view as it was.
    QCOMPARE(started.window.exportedPicture(), shown);

    const Decoded decoded = readGif(gif);
    const std::vector<QImage> pngs = readFolder(folder);
    QCOMPARE(int(decoded.frames.size()), period);
    QCOMPARE(int(pngs.size()), period);
    QCOMPARE(decoded.loops, -1); // for ever
    QCOMPARE(decoded.delays, std::vector<int>(std::size_t(period), interval));

    for (int k = 0; k < lead; ++k)
        tick(started);
    for (int k = 0; k <= period; ++k) {
        const QImage view = started.window.exportedPicture();
        // The frame after the last is the first again: the loop has no jump.
        const std::size_t frame = std::size_t(k % period);
        // Where the frame has too many colours, a channel rounded to L levels is off by at
        // most half a step.
        const int levels = gifLevels(view);
        const int tolerance = levels >= 256 ? 0 : 255 / (levels - 1) / 2 + 1;
        QVERIFY2(pngs[frame] == view, qPrintable(QStringLiteral("frame %1").arg(k)));
        QVERIFY2(channelDistance(decoded.frames[frame], view) <= tolerance,
                 qPrintable(QStringLiteral("GIF frame %1").arg(k)));
        tick(started);
    }
}

void RecordTest::simulatedWaterRunsOnInACopy_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("page");
    QTest::addColumn<Tick>("tick");
    QTest::newRow("two sources") << "Rundique" << 0
                                 << Tick([](Started &s) { s.panel().Timer1Timer(); });
    QTest::newRow("wavelets") << "Pelvane" << 0
                              << Tick([](Started &s) { s.window.huygens->lrtimerTimer(); });
    QTest::newRow("wavefronts") << "Pelvane" << 1
                                << Tick([](Started &s) { s.window.huygens->Timer4Timer(); });
    QTest::newRow("slit") << "Sorvelle" << 0
                          << Tick([](Started &s) { s.window.sslit->Timer2Timer(); });
}

void RecordTest::simulatedWaterRunsOnInACopy()
{
    QFETCH(QString, program);
    QFETCH(int, page);
    QFETCH(Tick, tick);
    Started started(program);
    if (program == QLatin1String("Pelvane"))
        started.window.huynb->setPage(page);
    started.window.SimulateWater1->trigger();
    // From still water the first frame has few colours, but the water's shades will come.
    QString colours;
    started.dialogs.answers = {[&colours](QDialog &dialog) {
        colours = static_cast<TRecord &>(dialog).colourlb->text();
        return false;
    }};
    started.window.RecordAnimation1->trigger();
    QVERIFY2(!colours.contains(QStringLiteral("keeps every colour")), qPrintable(colours));
    for (int k = 0; k < 20; ++k)
        tick(started);
    const QImage shown = started.window.exportedPicture();

    // The water never comes back exactly: seconds, as PNG frames to compare them exactly.
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("water"));
    started.dialogs.answers = {answer(1, 100)};
    started.files.answers = {folder};
    started.window.RecordAnimation1->trigger();
    QVERIFY(started.dialogs.shown.empty());
    QCOMPARE(started.window.exportedPicture(), shown);
    const std::vector<QImage> frames = readFolder(folder);
    QCOMPARE(int(frames.size()), 10);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        QVERIFY2(frames[k] == started.window.exportedPicture(),
                 qPrintable(QStringLiteral("frame %1").arg(k)));
        tick(started);
    }
}

void RecordTest::secondsAtAnInterval_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("delay"); // what the GIF shows each frame for, ms
    QTest::newRow("3 s at 200 ms") << 3 << 200 << 15 << 200;
    QTest::newRow("1 s at the shortest") << 1 << 20 << 50 << 20;
    // 3000 / 385 = 7.8 frames; a GIF counts hundredths, halves up.
    QTest::newRow("3 s at 385 ms") << 3 << 385 << 8 << 390;
}

void RecordTest::secondsAtAnInterval()
{
    QFETCH(int, seconds);
    QFETCH(int, interval);
    QFETCH(int, frames);
    QFETCH(int, delay);
    Started started(QStringLiteral("Rundique"));
    QTemporaryDir dir;
    const QString gif = dir.filePath(QStringLiteral("seconds.gif"));
    started.dialogs.answers = {answer(seconds, interval)};
    started.files.answers = {gif};
    started.window.RecordAnimation1->trigger();
    const Decoded decoded = readGif(gif);
    QCOMPARE(int(decoded.frames.size()), frames);
    QCOMPARE(decoded.delays, std::vector<int>(std::size_t(frames), delay));
    // Each frame one tick on from the one before.
    for (int k = 0; k < frames; ++k) {
        QVERIFY(decoded.frames[std::size_t(k)] == started.window.exportedPicture());
        started.panel().Timer1Timer();
    }
}

void RecordTest::failuresLeaveNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("gif") << "waves.gif";
    QTest::newRow("png frames") << "waves";
}

void RecordTest::failuresLeaveNothing()
{
    QFETCH(QString, name);
    Started started(QStringLiteral("Pelvane"));
    const auto recordInto = [&started](const QString &path) {
        started.dialogs.answers = {answer()};
        started.files.answers = {path};
        started.window.RecordAnimation1->trigger();
        return started.dialogs.shown.empty() ? ScriptedDialogs::Shown{}
                                             : started.dialogs.shown.back();
    };

    // Cancelled in the progress box after a few frames.
    QTemporaryDir dir;
    started.dialogs.cancelAt = 5;
    ScriptedDialogs::Shown box = recordInto(dir.filePath(name));
    QCOMPARE(box.kind, MessageKind::Information);
    QVERIFY(box.text.contains(QStringLiteral("cancelled")));
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    started.dialogs.cancelAt = -1;

    // A folder nothing can be written into.
    {
        ReadOnlyFolder readOnly;
        box = recordInto(readOnly.filePath(name));
        QCOMPARE(box.kind, MessageKind::Error);
        QVERIFY2(box.text.contains(QStringLiteral("could not be")), qPrintable(box.text));
        QVERIFY(readOnly.isEmpty());
    }

    // A disk that fills: an older file of that name stays whole, nothing else is left.
    FullFolder full;
    const QByteArray older("an older recording");
    const QString other =
        name.endsWith(QStringLiteral(".gif")) ? name : name + QStringLiteral(".gif");
    QVERIFY(full.put(other, older));
    const QStringList before = full.files();
    QVERIFY(full.fill());
    box = recordInto(full.filePath(name));
    full.release();
    QCOMPARE(box.kind, MessageKind::Error);
    QVERIFY2(box.text.contains(full.systemError()), qPrintable(box.text));
    QCOMPARE(full.files(), before);
    QDir fullDir(QFileInfo(full.filePath(name)).path());
    QCOMPARE(fullDir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QFile kept(full.filePath(other));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), older);
}

QTEST_MAIN(RecordTest)
#include "test_record.moc"
