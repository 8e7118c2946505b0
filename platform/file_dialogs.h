// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace wave {

// One entry of a file dialog's filter, with the extension a typed name gets when it has none.
struct FileFilter {
    QString name;
    QString pattern;
    QString defaultSuffix;
};

// The open and save dialogs go through here, so that tests can script the user's choice.
// Each returns the chosen file, or an empty string when the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFile(QWidget *parent, const QString &title, const FileFilter &filter) = 0;
    // Asks before an existing file is replaced.
    virtual QString saveFile(QWidget *parent, const QString &title, const FileFilter &filter) = 0;
    // The same with a choice of kinds; a typed name without an extension gets the one of the
    // kind chosen in the dialog.
    virtual QString saveFileAs(QWidget *parent, const QString &title,
                               const QList<FileFilter> &filters) = 0;
};

// The real dialogs, modal.
class QtFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *parent, const QString &title, const FileFilter &filter) override;
    QString saveFile(QWidget *parent, const QString &title, const FileFilter &filter) override;
    QString saveFileAs(QWidget *parent, const QString &title,
                       const QList<FileFilter> &filters) override;
};

} // namespace wave
