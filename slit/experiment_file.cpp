// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/experiment_file.h"

#include "platform/safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace wave {

namespace {

// The reasons a file is refused or fails, in the user's language.
enum class Failure { FileNotFound, PathNotFound, AccessDenied, ReadError, WriteError, BadNumber };

QString reason(Failure failure)
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("ExperimentFile", "File not found"),
        QT_TRANSLATE_NOOP("ExperimentFile", "Path not found"),
        QT_TRANSLATE_NOOP("ExperimentFile", "File access denied"),
        QT_TRANSLATE_NOOP("ExperimentFile", "Disk read error"),
        QT_TRANSLATE_NOOP("ExperimentFile", "Disk write error"),
        QT_TRANSLATE_NOOP("ExperimentFile", "Invalid numeric input")};
    return QCoreApplication::translate("ExperimentFile", texts[static_cast<int>(failure)]);
}

// What cannot be opened: a missing file or folder, a folder, a file we may not use.
QString unusable(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return reason(Failure::AccessDenied);
    if (!info.exists() && !info.absoluteDir().exists())
        return reason(Failure::PathNotFound);
    return info.exists() ? reason(Failure::AccessDenied) : reason(Failure::FileNotFound);
}

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr std::array<char16_t, 32> high1252{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> byte1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t k = 0; k < high1252.size(); ++k)
        if (high1252[k] != 0 && high1252[k] == c)
            return static_cast<char>(0x80 + k);
    return std::nullopt;
}

} // namespace

LoadOutcome readExperiment(QIODevice &device)
{
    ExperimentReader reader;
    std::array<char, 64 * 1024> piece{};
    while (!reader.done()) {
        const qint64 got = device.read(piece.data(), piece.size());
        if (got < 0)
            return {LoadStatus::Failed, {}, reason(Failure::ReadError)};
        if (got == 0)
            break;
        reader.feed(std::string_view(piece.data(), static_cast<std::size_t>(got)));
    }
    const ReadOutcome read = reader.finish();
    switch (read.status) {
    case ReadStatus::Loaded:
        return {LoadStatus::Loaded, read.record, {}};
    case ReadStatus::BadNumber:
        return {LoadStatus::Failed, {}, reason(Failure::BadNumber)};
    case ReadStatus::NoData:
        break;
    }
    return {LoadStatus::NoData, {}, {}};
}

LoadOutcome loadExperimentFile(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return {LoadStatus::Failed, {}, unusable(path)};
    return readExperiment(file);
}

std::optional<QByteArray> toWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const std::optional<char> byte = byte1252(c.unicode());
        if (!byte)
            return std::nullopt;
        bytes.append(*byte);
    }
    return bytes;
}

QByteArray experimentFileBytes(const QStringList &comment, const ExperimentRecord &record)
{
    QString text;
    for (const QString &line : comment)
        text += line + QStringLiteral("\r\n");
    text += QStringLiteral("Start Data\r\n%1 %2 %3 %4 %5")
                .arg(record.hide)
                .arg(record.kind)
                .arg(record.screen)
                .arg(record.slit)
                .arg(record.wave);
    if (std::optional<QByteArray> legacy = toWindows1252(text))
        return *legacy;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString saveExperimentFile(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return reason(Failure::AccessDenied);
    const WriteOutcome outcome = writeWholeFile(path, bytes);
    switch (outcome.stage) {
    case WriteStage::Done:
        return {};
    case WriteStage::Open:
        return QFileInfo(path).absoluteDir().exists() ? reason(Failure::AccessDenied)
                                                      : reason(Failure::PathNotFound);
    case WriteStage::Write:
        break;
    }
    return QCoreApplication::translate("ExperimentFile", "%1: %2\n%3")
        .arg(reason(Failure::WriteError), outcome.systemError, QDir::toNativeSeparators(path));
}

} // namespace wave
