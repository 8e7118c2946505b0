// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slit/experiment_reader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace wave {

enum class LoadStatus { Loaded, NoData, Failed };

struct LoadOutcome {
    LoadStatus status = LoadStatus::NoData;
    ExperimentRecord record;
    QString error; // what went wrong when Failed: "File not found", "Invalid numeric input"...
};

// Reads an experiment from an open device, a piece at a time, and stops as soon as the five
// values are known.
LoadOutcome readExperiment(QIODevice &device);
LoadOutcome loadExperimentFile(const QString &path);

// The text in Windows-1252, or nothing when a character has no place in that code page.
std::optional<QByteArray> toWindows1252(const QString &text);

// The file's bytes: the comment lines, "Start Data" and the five values, lines ending in CR LF
// and none after the values. Windows-1252 when the comment fits it, else UTF-8 with a
// byte-order mark, so that no character is lost.
QByteArray experimentFileBytes(const QStringList &comment, const ExperimentRecord &record);

// Writes the file beside its target and then puts it in the target's place, so that a failed
// save leaves an existing file as it was. Returns the error text, empty on success; a failed
// write names the system's reason and the file.
QString saveExperimentFile(const QString &path, const QByteArray &bytes);

} // namespace wave
