// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/main_window.h"
#include "interference/interference_panel.h"
#include "measure/practice_window.h"
#include "pixels.h"
#include "platform/language.h"
#include "scripted_clipboard.h"
#include "scripted_dialogs.h"
#include "scripted_file_dialogs.h"
#include "scripted_printer.h"
#include "scripted_random.h"
#include "scripted_starter.h"
#include "slit/light_window.h"

#include <QComboBox>

#include <functional>

namespace wave {

// The language the environment names, as the program starts in it: English in the suite,
// another where a test is run once for each translation.
struct InLanguage {
    InLanguage()
    {
        if (const QString code = systemLanguage(); code != installedLanguage())
            installLanguage(code);
    }
};

// The main window as the program starts it, under the given program name.
struct Started : InLanguage {
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ScriptedClipboard clipboard;
    ScriptedRandom random;
    ScriptedPrinter printer;
    ScriptedStarter starter;
    TInterference window;

    explicit Started(const QString &name, const QString &setupPath = {})
        : window(name, {dialogs, files, clipboard, random, printer, starter})
    {
        window.start(setupPath);
    }
    InterferencePanel &panel() { return *window.Varying; }
};

// Hands `visit` each window as a student meets it, with where that is: the main window at
// every page of the product's notebook, the practice window at each of its pages, the light
// window, and the light window while an experiment is being saved.
inline void walkEveryWindow(Started &started,
                            const std::function<void(QWidget *, const QString &)> &visit)
{
    Notebook *notebook = started.window.product() == Product::Huygens ? started.window.huynb
                         : started.window.product() == Product::Interference
                             ? static_cast<Notebook *>(&started.panel())
                             : nullptr;
    for (int page = 0; page < (notebook ? notebook->pageCount() : 1); ++page) {
        if (notebook)
            notebook->setPage(page);
        visit(&started.window, QStringLiteral("main page %1").arg(page));
    }
    TProfrm *practice = started.window.Profrm;
    practice->show();
    for (int page = 0; page < 3; ++page) {
        practice->practicenb->setPage(page);
        visit(practice, QStringLiteral("practice page %1").arg(page));
    }
    Tpattfrm *light = started.window.pattfrm;
    light->show();
    visit(light, QStringLiteral("light"));
    light->Experiment1->trigger();
    visit(light, QStringLiteral("light, saving"));
}

// A choice from the list's drop-down, as the user makes it.
inline void choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace wave
