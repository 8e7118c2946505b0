// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace wave {

// The set-ups last opened or saved, newest first, kept in the user's settings
// ($XDG_CONFIG_HOME/wavelab/wavelab.conf, key recentSetups) between runs.
class RecentFiles {
public:
    static constexpr int limit = 8;

    QStringList files() const;
    // Puts the file first; the oldest beyond the limit goes.
    void add(const QString &path);
    void remove(const QString &path);
    // Empties the list, and forgets the folders Qt's file dialogs remember in the user's
    // settings too ($XDG_CONFIG_HOME/QtProject.conf), so the next user of a shared account
    // sees neither.
    void clear();

private:
    void store(const QStringList &files);
};

} // namespace wave
