// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace wave {

enum class MessageKind { Information, Warning, Error };

// Message boxes go through here, so that tests can read what would be shown instead of
// blocking on a box.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(QWidget *parent, MessageKind kind, const QString &title,
                         const QString &text) = 0;
};

// The real boxes, modal, with an OK button.
class QtDialogs : public Dialogs {
public:
    void message(QWidget *parent, MessageKind kind, const QString &title,
                 const QString &text) override;
};

} // namespace wave
