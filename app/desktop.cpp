// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

namespace wave {

void presentToDesktop(Product product, QWidget &firstWindow)
{
    const QString id = desktopId(product);
    QGuiApplication::setDesktopFileName(id);
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(id), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // On X11 the window class of every window is the application name at the moment the
    // first window is made; the application title stays what the product set-up makes it.
    const QString title = QApplication::applicationName();
    QApplication::setApplicationName(id);
    firstWindow.winId();
    QApplication::setApplicationName(title);
}

} // namespace wave
