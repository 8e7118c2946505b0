// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialogs.h"

#include <QMessageBox>

namespace wave {

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

} // namespace wave
