// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace wave {

inline int countPixels(const QImage &image, QRgb colour)
{
    int found = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found += image.pixel(x, y) == colour;
    return found;
}

} // namespace wave
