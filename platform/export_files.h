// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_dialogs.h"
#include "platform/picture_file.h"

#include <QByteArray>

class QWidget;

namespace wave {

class Dialogs;

// The save dialog's kinds of picture, PNG first.
QList<FileFilter> pictureFilters();

// Asks for a file name with the PNG, SVG and PDF kinds and writes the picture in the kind its
// extension names. A name of another kind, or a failed write, is shown in a box and leaves
// nothing behind; cancelling the dialog does nothing.
void exportPictureFile(QWidget *parent, FileDialogs &files, Dialogs &dialogs, const QImage &picture,
                       const DrawPicture &draw, const QString &title);

// Asks for a CSV file name and writes the bytes whole, or shows why it could not.
void exportDataFile(QWidget *parent, FileDialogs &files, Dialogs &dialogs, const QByteArray &csv);

} // namespace wave
