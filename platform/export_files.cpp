// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/export_files.h"

#include "platform/dialogs.h"
#include "platform/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace wave {

namespace {

QString pictureTitle()
{
    return QCoreApplication::translate("ExportFiles", "Export Picture");
}

QString dataTitle()
{
    return QCoreApplication::translate("ExportFiles", "Export Data");
}

} // namespace

QList<FileFilter> pictureFilters()
{
    return {{QCoreApplication::translate("ExportFiles", "PNG picture"), QStringLiteral("*.png"),
             QStringLiteral("png")},
            {QCoreApplication::translate("ExportFiles", "SVG drawing"), QStringLiteral("*.svg"),
             QStringLiteral("svg")},
            {QCoreApplication::translate("ExportFiles", "PDF document"), QStringLiteral("*.pdf"),
             QStringLiteral("pdf")}};
}

void exportPictureFile(QWidget *parent, FileDialogs &files, Dialogs &dialogs, const QImage &picture,
                       const DrawPicture &draw, const QString &title)
{
    const QString path = files.saveFileAs(parent, pictureTitle(), pictureFilters());
    if (path.isEmpty())
        return;
    const std::optional<PictureFormat> format = pictureFormat(path);
    if (!format) {
        dialogs.message(parent, MessageKind::Warning, pictureTitle(),
                        QCoreApplication::translate(
                            "ExportFiles", "%1 ends in \".%2\", a kind of file this program does "
                                           "not write.\nPlease choose a name ending in .png, .svg "
                                           "or .pdf. Nothing was saved.")
                            .arg(QDir::toNativeSeparators(path), QFileInfo(path).suffix()));
        return;
    }
    const WriteOutcome outcome = savePicture(path, *format, picture, draw, title);
    if (!outcome.ok())
        dialogs.message(parent, MessageKind::Error, pictureTitle(),
                        exportFailureText(path, outcome));
}

void exportDataFile(QWidget *parent, FileDialogs &files, Dialogs &dialogs, const QByteArray &csv)
{
    const QString path =
        files.saveFileAs(parent, dataTitle(),
                         {{QCoreApplication::translate("ExportFiles", "Comma-separated values"),
                           QStringLiteral("*.csv"), QStringLiteral("csv")}});
    if (path.isEmpty())
        return;
    const WriteOutcome outcome = writeWholeFile(path, csv);
    if (!outcome.ok())
        dialogs.message(parent, MessageKind::Error, dataTitle(), exportFailureText(path, outcome));
}

} // namespace wave
