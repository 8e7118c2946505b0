// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/program_starter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace wave {

QtProgramStarter::QtProgramStarter(QString folder) : folder_(std::move(folder))
{
}

QString QtProgramStarter::start(const QString &launcher, const QStringList &arguments)
{
    // The running program's folder, with links resolved: the launchers lie beside it.
    const QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
    const QString program = QDir(folder).filePath(launcher);
    if (!QFileInfo(program).isExecutable())
        return QCoreApplication::translate("ProgramStarter", "The program %1 was not found.")
            .arg(QDir::toNativeSeparators(program));
    if (!QProcess::startDetached(program, arguments))
        return QCoreApplication::translate("ProgramStarter", "The program %1 could not be started.")
            .arg(QDir::toNativeSeparators(program));
    return {};
}

} // namespace wave
