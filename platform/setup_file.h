// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/product.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace wave {

// A product's settings by the names of its controls, in the order its panel lists them.
using SetupValues = QList<std::pair<QString, QJsonValue>>;

// A lesson set-up: the product it is for, what the teacher says about it, and the settings.
struct SetupFile {
    Product product = Product::Interference;
    QString title;
    QString description;
    QString help; // the help page it belongs to, "interference.html"; empty for the product's own
    SetupValues settings;

    bool operator==(const SetupFile &) const = default;
};

// What reading gave: the set-up, or what is wrong with the file in one sentence or two.
struct SetupRead {
    std::optional<SetupFile> setup;
    QString error;
};

inline constexpr int setupVersion = 1;
inline constexpr qint64 setupSizeLimit = 1024 * 1024;

// Reads the bytes of a set-up file: UTF-8 JSON, an object with the format tag
// "wavelab-setup", a version this program knows, a known product, optional texts and an
// object of settings. The settings' values are checked by the product's controls later.
SetupRead parseSetup(const QByteArray &bytes);

// Reads a whole file of at most setupSizeLimit bytes and parses it. A folder, a missing file,
// something other than a plain file (a pipe would block) and an unreadable file are refused
// before anything is read.
SetupRead readSetupFile(const QString &path);

// The file's text: indented JSON with the format tag first and the settings in their order.
QByteArray setupBytes(const SetupFile &setup);

} // namespace wave
