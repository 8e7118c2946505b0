// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProgressDialog>

namespace wave {

namespace {

class ProgressBox : public Progress {
public:
    ProgressBox(QWidget *parent, const QString &title, const QString &text, int steps)
        : box_(text, QCoreApplication::translate("Dialogs", "Cancel"), 0, steps, parent)
    {
        box_.setObjectName(QStringLiteral("progress"));
        box_.setWindowTitle(title);
        box_.setWindowModality(Qt::WindowModal);
        box_.setMinimumDuration(500);
        box_.setAutoReset(false);
        box_.setValue(0);
    }
    bool advance(int done) override
    {
        box_.setValue(done);
        // The box draws itself and takes the Cancel click only when events are let through.
        QCoreApplication::processEvents();
        return !box_.wasCanceled();
    }

private:
    QProgressDialog box_;
};

} // namespace

void QtDialogs::message(QWidget *parent, MessageKind kind, const QString &title,
                        const QString &text)
{
    switch (kind) {
    case MessageKind::Information:
        QMessageBox::information(parent, title, text);
        break;
    case MessageKind::Warning:
        QMessageBox::warning(parent, title, text);
        break;
    case MessageKind::Error:
        QMessageBox::critical(parent, title, text);
        break;
    }
}

bool QtDialogs::ask(QDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<Progress> QtDialogs::progress(QWidget *parent, const QString &title,
                                              const QString &text, int steps)
{
    return std::make_unique<ProgressBox>(parent, title, text, steps);
}

} // namespace wave
