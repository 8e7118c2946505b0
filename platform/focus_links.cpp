// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/focus_links.h"

#include <QGuiApplication>
#include <QWindow>

namespace wave {

void dropStaleFocusLinks()
{
    static const bool watching = [] {
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow *focus) {
            for (QWindow *window : QGuiApplication::topLevelWindows())
                QObject::disconnect(window, SIGNAL(focusObjectChanged(QObject *)), qApp,
                                    SLOT(_q_updateFocusObject(QObject *)));
            // the window that took the focus keeps the one link Qt has just made for it
            if (focus)
                QObject::connect(focus, SIGNAL(focusObjectChanged(QObject *)), qApp,
                                 SLOT(_q_updateFocusObject(QObject *)));
        });
        return true;
    }();
    (void)watching;
}

} // namespace wave
