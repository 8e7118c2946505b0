// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/program_starter.h"

#include <vector>

namespace wave {

// Remembers the programs the window would start instead of starting them; `failure` is the
// answer each start gets.
class ScriptedStarter : public ProgramStarter {
public:
    struct Started {
        QString launcher;
        QStringList arguments;
    };
    std::vector<Started> started;
    QString failure;

    QString start(const QString &launcher, const QStringList &arguments) override
    {
        started.push_back({launcher, arguments});
        return failure;
    }
};

} // namespace wave
