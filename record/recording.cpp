// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recording.h"

#include "platform/bitmap_canvas.h"
#include "platform/gif_writer.h"
#include "platform/picture_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace wave {

namespace {

// Draws the frames one after another into one image and hands each to `take`; false when
// `take` failed or the user cancelled, which `cancelled` tells apart.
bool eachFrame(const Animation &animation, int frames, const std::function<bool(int done)> &advance,
               bool &cancelled, const std::function<bool(const QImage &, int k)> &take)
{
    QImage frame(animation.size, QImage::Format_RGB32);
    BitmapCanvas canvas(frame);
    for (int k = 0; k < frames; ++k) {
        animation.drawFrame(canvas, k);
        if (!take(frame, k))
            return false;
        if (!advance(k + 1)) {
            cancelled = true;
            return false;
        }
    }
    return true;
}

RecordOutcome recordGif(const QString &path, const Animation &animation, int frames, int interval,
                        const std::function<bool(int)> &advance)
{
    RecordOutcome outcome;
    const int delay = gifCentiseconds(interval);
    outcome.write = writeWholeFile(path, [&](QIODevice &device) {
        GifWriter gif(device, animation.size);
        return eachFrame(animation, frames, advance, outcome.cancelled,
                         [&gif, delay](const QImage &frame, int) {
                             return gif.addFrame(frame, delay);
                         }) &&
               gif.finish();
    });
    return outcome;
}

RecordOutcome recordFolder(const QString &path, const Animation &animation, int frames,
                           const std::function<bool(int)> &advance)
{
    RecordOutcome outcome;
    const QFileInfo target(path);
    if (target.exists()) {
        outcome.write = {
            WriteStage::Open,
            QCoreApplication::translate("Recording", "A file or folder of that name exists")};
        return outcome;
    }
    QTemporaryDir hidden(
        target.dir().filePath(QStringLiteral(".") + target.fileName() + QStringLiteral("-XXXXXX")));
    if (!hidden.isValid()) {
        outcome.write = {WriteStage::Open, hidden.errorString()};
        return outcome;
    }
    const int digits = std::max(3, static_cast<int>(QString::number(frames).size()));
    QString error;
    const bool written =
        eachFrame(animation, frames, advance, outcome.cancelled, [&](const QImage &frame, int k) {
            QFile file(hidden.filePath(
                QStringLiteral("frame-%1.png").arg(k + 1, digits, 10, QLatin1Char('0'))));
            // Unbuffered, so a full disk fails the write itself rather than a later close.
            const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                               frame.save(&file, "PNG") && file.error() == QFileDevice::NoError;
            if (!saved)
                error = file.errorString();
            return saved;
        });
    if (!written) {
        outcome.write = {WriteStage::Write, error};
        return outcome;
    }
    if (std::rename(QFile::encodeName(hidden.path()).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        outcome.write = {WriteStage::Write, QString::fromLocal8Bit(std::strerror(errno))};
        return outcome;
    }
    hidden.setAutoRemove(false);
    return outcome;
}

} // namespace

int recordInterval(int animationInterval)
{
    return std::clamp((animationInterval + 5) / 10 * 10, shortestRecordInterval,
                      longestRecordInterval);
}

bool periodRecordable(const Animation &animation)
{
    return animation.period > 0 && animation.period <= mostRecordedFrames;
}

int recordedFrames(const Animation &animation, const RecordChoice &choice)
{
    if (choice.onePeriod && periodRecordable(animation))
        return animation.period;
    const int seconds = std::clamp(choice.seconds, 1, mostRecordedSeconds);
    const int interval = std::clamp(choice.interval, shortestRecordInterval, longestRecordInterval);
    return std::clamp((seconds * 1000 + interval / 2) / interval, 1, mostRecordedFrames);
}

bool recordsGif(const QString &path)
{
    return path.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive);
}

RecordOutcome record(const QString &path, const Animation &animation, int frames, int interval,
                     const std::function<bool(int done)> &advance)
{
    return recordsGif(path) ? recordGif(path, animation, frames, interval, advance)
                            : recordFolder(path, animation, frames, advance);
}

QString recordFailureText(const QString &path, const WriteOutcome &outcome)
{
    if (recordsGif(path))
        return exportFailureText(path, outcome);
    const QString folder = QDir::toNativeSeparators(path);
    const QString what =
        outcome.stage == WriteStage::Open
            ? QCoreApplication::translate("Recording", "The folder %1 could not be made")
                  .arg(folder)
            : QCoreApplication::translate("Recording", "The frames could not be written into %1")
                  .arg(folder);
    return what + QStringLiteral(":\n") + outcome.systemError +
           QCoreApplication::translate("Recording",
                                       "\nNothing was saved; no frames are left behind.");
}

} // namespace wave
