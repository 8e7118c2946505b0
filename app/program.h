// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desktop.h"
#include "app/main_window.h"

namespace wave {

// The running program: the real dialogs, clipboard and chance, and the main window built
// on them under the name the program was started as, shown and set up for its product or
// for the set-up it was started with.
struct Program {
    QtDialogs dialogs;
    QtFileDialogs files;
    QtClipboard clipboard;
    QtRandom random;
    QtPrinter printer;
    QtProgramStarter starter;
    TInterference window;
    Product product;

    explicit Program(const QString &programName)
        : window(programName, {dialogs, files, clipboard, random, printer, starter}),
          product(productFromProgramName(programName))
    {
    }

    void start(const QString &setupPath = {})
    {
        presentToDesktop(product, window);
        window.start(setupPath);
    }
};

} // namespace wave
