// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/water_image.h"

#include <algorithm>
#include <array>

namespace wave {

namespace {

constexpr int shades = 256;

std::array<QRgb, shades> blend(QRgb crest, QRgb trough)
{
    std::array<QRgb, shades> table{};
    for (int n = 0; n < shades; ++n) {
        // n = 0 is a trough, n = 255 a crest.
        auto mix = [n](int t, int c) {
            return (t * (shades - 1 - n) + c * n + 127) / (shades - 1);
        };
        table[std::size_t(n)] =
            qRgb(mix(qRed(trough), qRed(crest)), mix(qGreen(trough), qGreen(crest)),
                 mix(qBlue(trough), qBlue(crest)));
    }
    return table;
}

} // namespace

void drawWater(QImage &image, const FieldView &field, QRgb crest, QRgb trough, float scale,
               std::optional<QRgb> ground)
{
    if (image.size() != QSize(field.width, field.height) || image.format() != QImage::Format_RGB32)
        image = QImage(field.width, field.height, QImage::Format_RGB32);
    const std::array<QRgb, shades> table = blend(crest, trough);
    const float half = 0.5f * (shades - 1);
    const float gain = half / scale;
    for (int y = 0; y < field.height; ++y) {
        const float *u = field.data + y * field.stride;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < field.width; ++x) {
            if (ground && out[x] != *ground)
                continue;
            const float level = std::clamp(u[x] * gain + half, 0.0f, float(shades - 1));
            out[x] = table[unsigned(int(level + 0.5f))];
        }
    }
}

} // namespace wave
