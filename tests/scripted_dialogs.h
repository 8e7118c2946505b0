// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QStringList>

namespace wave {

// Remembers the boxes the program would show instead of showing them.
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
};

} // namespace wave
