// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/main_window.h"
#include "interference/interference_panel.h"
#include "pixels.h"
#include "platform/language.h"
#include "scripted_clipboard.h"
#include "scripted_dialogs.h"
#include "scripted_file_dialogs.h"
#include "scripted_printer.h"
#include "scripted_random.h"
#include "scripted_starter.h"

#include <QComboBox>

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

// A choice from the list's drop-down, as the user makes it.
inline void choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace wave
