// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/printer.h"
#include "platform/program_starter.h"
#include "platform/random.h"

namespace wave {

// What the windows reach outside the program through: the Qt implementations in the
// program, scripted ones in the tests.
struct Services {
    Dialogs &dialogs;
    FileDialogs &files;
    Clipboard &clipboard;
    RandomSource &random;
    Printer &printer;
    ProgramStarter &starter;
};

} // namespace wave
