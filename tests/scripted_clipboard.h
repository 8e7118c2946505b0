// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clipboard.h"

#include <QImage>

namespace wave {

// Keeps what the program puts on the clipboard.
class ScriptedClipboard : public Clipboard {
public:
    QImage image;
    int copies = 0;

    void setImage(const QImage &copied) override
    {
        image = copied;
        ++copies;
    }
};

} // namespace wave
