// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/about.h"

#include <QCoreApplication>

namespace wave {

QString programVersion()
{
    return QStringLiteral(WAVE_VERSION);
}

QString aboutText(const QString &product)
{
    return QCoreApplication::translate(
               "About", "%1\nVersion %2\n\nA teaching program for wave physics.\n\n"
                        "Free software under the GNU General Public License, version "
                        "3 or (at your option) any later version (GPL-3.0-or-later). "
                        "It comes with no warranty.")
        .arg(product, programVersion());
}

} // namespace wave
