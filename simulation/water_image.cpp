// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/water_image.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

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

// The shade of each of n cells of a row, in two passes the compiler turns into vector
// instructions: the level of each cell, then its colour. Laying it under a picture is a
// pass of its own.
__attribute__((target_clones("arch=x86-64-v3", "default"))) void
shadeRow(const float *__restrict u, std::uint8_t *__restrict levels, QRgb *__restrict out,
         const QRgb *__restrict table, int n, float gain)
{
    const float half = 0.5f * (shades - 1);
    for (int x = 0; x < n; ++x) {
        // Rounded to the nearest shade; a value that is not a number takes the trough.
        const float level = std::min(std::max(0.0f, u[x] * gain + half + 0.5f), float(shades - 1));
        levels[x] = std::uint8_t(int(level));
    }
    for (int x = 0; x < n; ++x)
        out[x] = table[levels[x]];
}

__attribute__((target_clones("arch=x86-64-v3", "default"))) void
layRow(const QRgb *__restrict water, QRgb *__restrict out, int n, QRgb ground)
{
    for (int x = 0; x < n; ++x)
        out[x] = out[x] == ground ? water[x] : out[x];
}

} // namespace

void drawWater(QImage &image, const FieldView &field, QRgb crest, QRgb trough, float scale)
{
    if (image.size() != QSize(field.width, field.height) || image.format() != QImage::Format_RGB32)
        image = QImage(field.width, field.height, QImage::Format_RGB32);
    const std::array<QRgb, shades> table = blend(crest, trough);
    const float gain = 0.5f * (shades - 1) / scale;
    std::vector<std::uint8_t> levels(std::size_t(std::max(field.width, 0)));
    for (int y = 0; y < field.height; ++y)
        shadeRow(field.data + y * field.stride, levels.data(),
                 reinterpret_cast<QRgb *>(image.scanLine(y)), table.data(), field.width, gain);
}

void layWater(QImage &picture, const QImage &water, std::optional<QRgb> ground)
{
    if (picture.size() != water.size() || picture.format() != QImage::Format_RGB32 ||
        water.format() != QImage::Format_RGB32) {
        picture = water.convertToFormat(QImage::Format_RGB32).copy();
        return;
    }
    for (int y = 0; y < picture.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(water.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(picture.scanLine(y));
        if (ground)
            layRow(from, to, picture.width(), *ground);
        else
            std::copy(from, from + picture.width(), to);
    }
}

} // namespace wave
