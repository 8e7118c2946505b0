// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/setup_file.h"

#include <QList>

namespace wave {

struct SetupExample {
    QString path;
    SetupFile setup;
};

// The folder of the lessons shipped with the program: share/wavelab/examples of the tree it is
// installed in, or the examples folder the build puts beside the program and its tests.
// Empty when there is none.
QString examplesFolder();

// The readable set-ups of the folder, the interference product's first, then the Huygens
// product's and the single-slit product's, each product's by file name.
QList<SetupExample> setupExamples(const QString &folder);

} // namespace wave
