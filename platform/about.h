// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace wave {

// The version the build was made as.
QString programVersion();

// The About box's text: the product, the version and the licence.
QString aboutText(const QString &product);

} // namespace wave
