// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QDialog;
class QWidget;

namespace wave {

enum class MessageKind { Information, Warning, Error };

// How far a long task has come, in a box with a Cancel button.
class Progress {
public:
    virtual ~Progress() = default;
    // Shows that `done` steps are done and lets the window system draw; false once the user
    // has cancelled.
    virtual bool advance(int done) = 0;
};

// Message boxes, the program's own small dialogs and progress boxes go through here, so that
// tests can read what would be shown, and answer, instead of blocking on a box.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(QWidget *parent, MessageKind kind, const QString &title,
                         const QString &text) = 0;
    // Runs one of the program's dialogs modally; true when the user accepts it.
    virtual bool ask(QDialog &dialog) = 0;
    // A progress box for a task of `steps` steps; it appears only when the task takes a while.
    virtual std::unique_ptr<Progress> progress(QWidget *parent, const QString &title,
                                               const QString &text, int steps) = 0;
};

// The real boxes, modal, with an OK button; the progress box after half a second.
class QtDialogs : public Dialogs {
public:
    void message(QWidget *parent, MessageKind kind, const QString &title,
                 const QString &text) override;
    bool ask(QDialog &dialog) override;
    std::unique_ptr<Progress> progress(QWidget *parent, const QString &title, const QString &text,
                                       int steps) override;
};

} // namespace wave
