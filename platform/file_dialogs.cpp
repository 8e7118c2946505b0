// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace wave {

namespace {

// Qt's own dialog reads double quotes in the typed name as a list of names and takes the
// first one, which it places in the working folder: `a"b.svg` would be saved as ./b.svg. A
// quote is an ordinary character of a file name here, so a typed name that holds one is
// taken as it stands, in the folder the dialog shows.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // The file the typed name with quotes stands for; empty when Qt's own reading was used.
    QString typedPath;

    void accept() override
    {
        auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        const QString typed = edit ? edit->text() : QString();
        if (!typed.contains(QLatin1Char('"'))) {
            QFileDialog::accept();
            return;
        }
        QString name = typed;
        if (name.startsWith(QStringLiteral("~/")))
            name = QDir::homePath() + name.mid(1);
        QString path = QDir::cleanPath(directory().absoluteFilePath(name));
        if (!defaultSuffix().isEmpty() && !QFileInfo(path).fileName().contains(QLatin1Char('.')))
            path += QLatin1Char('.') + defaultSuffix();
        const QFileInfo file(path);
        if (file.isDir()) {
            setDirectory(path);
            edit->clear();
            return;
        }
        if (!file.dir().exists()) {
            QMessageBox::warning(
                this, windowTitle(),
                QCoreApplication::translate("FileDialogs", "The folder \"%1\" does not exist.")
                    .arg(QDir::toNativeSeparators(file.path())));
            return;
        }
        if (acceptMode() == AcceptOpen && !file.isFile()) {
            QMessageBox::warning(this, windowTitle(),
                                 QCoreApplication::translate(
                                     "FileDialogs", "%1\nFile not found.\nCheck the file name.")
                                     .arg(file.fileName()));
            return;
        }
        if (acceptMode() == AcceptSave && file.exists() &&
            QMessageBox::warning(
                this, windowTitle(),
                QCoreApplication::translate("FileDialogs",
                                            "%1 already exists.\nDo you want to replace it?")
                    .arg(file.fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        typedPath = path;
        QDialog::accept();
    }
};

QString filterText(const FileFilter &filter)
{
    return filter.name + QStringLiteral(" (") + filter.pattern + QStringLiteral(")");
}

QString choose(QWidget *parent, const QString &title, const QList<FileFilter> &filters,
               QFileDialog::AcceptMode mode)
{
    FileDialog dialog(parent, title);
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
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (!dialog.typedPath.isEmpty())
        return dialog.typedPath;
    return dialog.selectedFiles().value(0);
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
