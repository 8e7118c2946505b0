// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/setup_examples.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace wave {

QString examplesFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {QStringLiteral("../share/wavelab/examples"),
                                     QStringLiteral("examples"), QStringLiteral("../examples")}) {
        if (program.exists(candidate))
            return QDir::cleanPath(program.filePath(candidate));
    }
    return {};
}

QList<SetupExample> setupExamples(const QString &folder)
{
    QList<SetupExample> examples;
    if (folder.isEmpty())
        return examples;
    const QDir dir(folder);
    for (const QString &name :
         dir.entryList({QStringLiteral("*.wavelab")}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        const SetupRead read = readSetupFile(path);
        if (read.setup)
            examples.append({path, *read.setup});
    }
    const auto rank = [](Product product) {
        return product == Product::Interference ? 0 : product == Product::Huygens ? 1 : 2;
    };
    std::stable_sort(examples.begin(), examples.end(),
                     [&rank](const SetupExample &a, const SetupExample &b) {
                         return rank(a.setup.product) < rank(b.setup.product);
                     });
    return examples;
}

} // namespace wave
