// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace wave {

// Starts the program anew as another product, in a process of its own: through here, so that
// tests can see what would be started without starting it.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the launcher ("Pelvane") with the arguments; the failure in words, empty when the
    // process runs.
    virtual QString start(const QString &launcher, const QStringList &arguments) = 0;
};

// The real start: the launcher lying beside the running program (or in `folder`), detached so
// that it lives on when this window closes.
class QtProgramStarter : public ProgramStarter {
public:
    explicit QtProgramStarter(QString folder = {});
    QString start(const QString &launcher, const QStringList &arguments) override;

private:
    QString folder_;
};

} // namespace wave
