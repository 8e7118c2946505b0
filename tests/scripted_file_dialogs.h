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
        FileFilter filter;
    };
    std::deque<QString> answers;
    std::vector<Asked> asked;

    QString openFile(QWidget *, const QString &title, const FileFilter &filter) override
    {
        return answer({false, title, filter});
    }
    QString saveFile(QWidget *, const QString &title, const FileFilter &filter) override
    {
        return answer({true, title, filter});
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
