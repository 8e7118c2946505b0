// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace wave {

namespace {

const QString key = QStringLiteral("recentSetups");

// The program's own settings, the same for all three products whatever the application's
// name says at the moment.
struct ProgramSettings : QSettings {
    ProgramSettings()
        : QSettings(QSettings::UserScope, QStringLiteral("wavelab"), QStringLiteral("wavelab"))
    {
    }
};

} // namespace

QStringList RecentFiles::files() const
{
    return ProgramSettings().value(key).toStringList().mid(0, limit);
}

void RecentFiles::add(const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(file);
    list.prepend(file);
    store(list.mid(0, limit));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = files();
    list.removeAll(QFileInfo(path).absoluteFilePath());
    store(list);
}

void RecentFiles::clear()
{
    ProgramSettings().remove(key);
    QSettings dialogs(QSettings::UserScope, QStringLiteral("QtProject"));
    dialogs.beginGroup(QStringLiteral("FileDialog"));
    dialogs.remove(QStringLiteral("history"));
    dialogs.remove(QStringLiteral("lastVisited"));
}

void RecentFiles::store(const QStringList &files)
{
    ProgramSettings().setValue(key, files);
}

} // namespace wave
