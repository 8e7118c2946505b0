// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_dialogs.h"

#include <QFileDialog>

namespace wave {

namespace {

QString filterText(const FileFilter &filter)
{
    return filter.name + QStringLiteral(" (") + filter.pattern + QStringLiteral(")");
}

QString choose(QWidget *parent, const QString &title, const QList<FileFilter> &filters,
               QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    QStringList names;
    for (const FileFilter &filter : filters)
        names << filterText(filter);
    dialog.setNameFilters(names);
    dialog.setDefaultSuffix(filters.constFirst().defaultSuffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, names](const QString &chosen) {
                         const qsizetype index = names.indexOf(chosen);
                         if (index >= 0)
                             dialog.setDefaultSuffix(filters.at(index).defaultSuffix);
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogs::openFile(QWidget *parent, const QString &title, const FileFilter &filter)
{
    return choose(parent, title, {filter}, QFileDialog::AcceptOpen);
}

QString QtFileDialogs::saveFile(QWidget *parent, const QString &title, const FileFilter &filter)
{
    return choose(parent, title, {filter}, QFileDialog::AcceptSave);
}

QString QtFileDialogs::saveFileAs(QWidget *parent, const QString &title,
                                  const QList<FileFilter> &filters)
{
    return choose(parent, title, filters, QFileDialog::AcceptSave);
}

} // namespace wave
