// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"
#include "platform/printer.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <functional>

namespace wave {

class Canvas;

// The wave view's picture, headed "Printed by: " and the name when there is one, stretched
// from x = 150 to x = width - 150 of the page with its height in proportion.
void drawImagePage(Canvas &canvas, PageSize page, const QImage &picture, const QString &name);

// Where the picture of the bitmap print lands: (150, 300), scaled by (PW - 300) / 709.
QRect imagePageTarget(PageSize page, QSize picture);

// The point sources drawn straight onto the page at its own resolution.
struct FullPageParams {
    int n = 2;
    int S = 60;
    std::array<int, 3> P{15, 15, 15};
    std::array<int, 3> T{0, 0, 0};
    // Draws the screen's node path across the page from the two first sources at the page's
    // scale; empty when the path is off.
    std::function<void(Canvas &canvas, std::array<QPoint, 2> sources, double scale)> nodePath;
    Palette colours{};
};

// Centres of the sources on the page, all on its middle row.
std::array<QPoint, 3> fullPageSources(PageSize page, int n, int S);

// How far the rings reach: half the page's diagonal, rounded.
int fullPageReach(PageSize page);

void drawFullPage(Canvas &canvas, PageSize page, const FullPageParams &params);

} // namespace wave
