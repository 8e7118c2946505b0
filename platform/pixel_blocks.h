// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRegion>

class QImage;
class QPainter;

namespace wave {

// Draws `picture` with its top left at `at` and every pixel a zoom x zoom block, never
// smoothed. On a window's backing store the blocks are written straight into its pixels:
// Qt's general scaled copy costs three times as much, and a zoomed animation repaints the
// whole picture every tick.
// Nothing is drawn in `hidden`, given in the painter's coordinates.
void drawPixelBlocks(QPainter &painter, const QImage &picture, int zoom, QPoint at = {},
                     const QRegion &hidden = {});

} // namespace wave
