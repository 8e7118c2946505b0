// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace wave {

// Remembers the boxes the program would show instead of showing them, answers the program's
// dialogs from a script (each answer sets the dialog's controls and accepts or not; an empty
// script cancels) and cancels a progress box once it reaches `cancelAt` steps.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        MessageKind kind;
        QString title;
        QString text;
    };
    std::vector<Shown> shown;

    void message(QWidget *, MessageKind kind, const QString &title, const QString &text) override
    {
        shown.push_back({kind, title, text});
    }

    std::deque<std::function<bool(QDialog &)>> answers;
    bool ask(QDialog &dialog) override
    {
        if (answers.empty())
            return false;
        const auto answer = answers.front();
        answers.pop_front();
        return answer(dialog);
    }

    int cancelAt = -1;
    struct Box : Progress {
        ScriptedDialogs &owner;
        explicit Box(ScriptedDialogs &dialogs) : owner(dialogs) {}
        bool advance(int done) override { return owner.cancelAt < 0 || done < owner.cancelAt; }
    };
    std::unique_ptr<Progress> progress(QWidget *, const QString &, const QString &, int) override
    {
        return std::make_unique<Box>(*this);
    }
};

} // namespace wave
