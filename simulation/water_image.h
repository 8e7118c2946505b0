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
// the field's size if it is not one already. Given a ground colour, only the pixels of that
// colour take the water: a picture drawn on that ground stays over it.
void drawWater(QImage &image, const FieldView &field, QRgb crest, QRgb trough, float scale,
               std::optional<QRgb> ground = std::nullopt);

} // namespace wave
