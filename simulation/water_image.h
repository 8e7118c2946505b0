// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/wave_solver.h"

#include <QImage>
#include <QRgb>

#include <optional>

namespace wave {

// The water as a picture, pixel for cell: the crest colour where the displacement is
// +scale or more, the trough colour at -scale or less, and a straight blend of the two
// between, so still water lies half way. Draws into image, which becomes an RGB32 image of
// the field's size if it is not one already.
void drawWater(QImage &image, const FieldView &field, QRgb crest, QRgb trough, float scale);
// Lays a picture of the water under a picture drawn on the ground colour, which stays over
// it: only the pixels of that colour take the water's. Without a ground every pixel does; when the
// picture is not an RGB32 image of the water's size, the picture becomes the water's, a copy.
void layWater(QImage &picture, const QImage &water, std::optional<QRgb> ground);

} // namespace wave
