// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/safe_file.h"

#include <QSaveFile>

namespace wave {

WriteOutcome writeWholeFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself: a buffered write only fails
    // when commit() flushes, and commit() then still renames the short file into place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {WriteStage::Open, file.errorString()};
    const bool written = write(file) && file.error() == QFileDevice::NoError && file.flush();
    if (!written) {
        const QString error = file.errorString();
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return {WriteStage::Write, error};
    }
    if (!file.commit())
        return {WriteStage::Write, file.errorString()};
    return {};
}

WriteOutcome writeWholeFile(const QString &path, const QByteArray &bytes)
{
    return writeWholeFile(
        path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

} // namespace wave
