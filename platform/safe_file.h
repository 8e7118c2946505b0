// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace wave {

// How a whole-file write ended. Open: the file could not be created beside its target (no
// such folder, no permission); Write: writing, flushing or putting it in the target's place
// failed (a full disk, a size limit). In both cases the target is as it was and nothing of
// the attempt is left behind.
enum class WriteStage { Done, Open, Write };

struct WriteOutcome {
    WriteStage stage = WriteStage::Done;
    QString systemError; // the system's own words, "No space left on device"
    bool ok() const { return stage == WriteStage::Done; }
};

// Writes a whole file through a temporary file beside it that replaces the target only when
// every byte is known to be written. `write` fills the open device and returns false on a
// failure of its own.
WriteOutcome writeWholeFile(const QString &path, const std::function<bool(QIODevice &)> &write);
WriteOutcome writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace wave
