// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_dialogs.h"

#include <QFileDialog>

namespace wave {

namespace {

QString choose(QWidget *parent, const QString &title, const FileFilter &filter,
               QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(filter.name + QStringLiteral(" (") + filter.pattern + QStringLiteral(")"));
    dialog.setDefaultSuffix(filter.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogs::openFile(QWidget *parent, const QString &title, const FileFilter &filter)
{
    return choose(parent, title, filter, QFileDialog::AcceptOpen);
}

QString QtFileDialogs::saveFile(QWidget *parent, const QString &title, const FileFilter &filter)
{
    return choose(parent, title, filter, QFileDialog::AcceptSave);
}

} // namespace wave
