// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_dialogs.h"

#include <deque>
#include <vector>

namespace wave {

// Answers the file dialogs from a script: each answer is a file name, an empty one cancels,
// and an empty script cancels too.
class ScriptedFileDialogs : public FileDialogs {
public:
    struct Asked {
        bool save;
        QString title;
        FileFilter filter; // the first of the kinds offered
        QList<FileFilter> filters;
    };
    std::deque<QString> answers;
    std::vector<Asked> asked;

    QString openFile(QWidget *, const QString &title, const FileFilter &filter) override
    {
        return answer({false, title, filter, {filter}});
    }
    QString saveFile(QWidget *, const QString &title, const FileFilter &filter) override
    {
        return answer({true, title, filter, {filter}});
    }
    QString saveFileAs(QWidget *, const QString &title, const QList<FileFilter> &filters) override
    {
        return answer({true, title, filters.value(0), filters});
    }

private:
    QString answer(Asked question)
    {
        asked.push_back(std::move(question));
        if (answers.empty())
            return {};
        QString chosen = answers.front();
        answers.pop_front();
        return chosen;
    }
};

} // namespace wave
