// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/random.h"

#include <QDateTime>

namespace wave {

QtRandom::QtRandom() : generator_(quint32(QDateTime::currentMSecsSinceEpoch()))
{
}

double QtRandom::uniform()
{
    return generator_.generateDouble();
}

} // namespace wave
