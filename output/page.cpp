// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/page.h"

#include "platform/canvas.h"
#include "view/shared_state.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace wave {

namespace {

int trunc(double value)
{
    return static_cast<int>(std::trunc(value));
}

constexpr int headingTop = 150;
constexpr int pictureTop = 300;

// The heading line must end above the picture, tails of g and y included: a page of high
// resolution gets a font smaller than its default.
void fitHeading(Canvas &canvas)
{
    QFont &font = canvas.font();
    for (int tries = 0; tries < 8 && canvas.fontMetrics().height() > pictureTop - headingTop;
         ++tries) {
        const double shrink = (pictureTop - headingTop) / canvas.fontMetrics().height() * 0.98;
        if (font.pixelSize() > 0)
            font.setPixelSize(std::max(1, int(font.pixelSize() * shrink)));
        else
            font.setPointSizeF(font.pointSizeF() * shrink);
    }
}

double pageScale(PageSize page)
{
    return double(page.width) / viewWidth;
}

} // namespace

QRect imagePageTarget(PageSize page, QSize picture)
{
    const double scale = double(page.width - 300) / viewWidth;
    return QRect(150, pictureTop, trunc(picture.width() * scale), trunc(picture.height() * scale));
}

void drawImagePage(Canvas &canvas, PageSize page, const QImage &picture, const QString &name)
{
    if (!name.isEmpty()) {
        fitHeading(canvas);
        canvas.pen().colour = colour::black;
        canvas.textOut(0, headingTop,
                       canvas.fontMetrics().elidedText(
                           QCoreApplication::translate("Page", "Printed by: %1").arg(name),
                           Qt::ElideRight, page.width));
    }
    canvas.stretchImage(picture, imagePageTarget(page, picture.size()));
}

std::array<QPoint, 3> fullPageSources(PageSize page, int n, int S)
{
    const int x = page.width / 2;
    const int y = page.height / 2;
    const int apart = trunc(S * pageScale(page));
    switch (n) {
    case 1:
        return {QPoint(x, y), QPoint(x, y), QPoint(x, y)};
    case 2:
        return {QPoint(x - apart / 2, y), QPoint(x + apart / 2, y), QPoint(x, y)};
    default:
        return {QPoint(x - apart, y), QPoint(x, y), QPoint(x + apart, y)};
    }
}

int fullPageReach(PageSize page)
{
    const double half = page.height / 2;
    const double across = page.width / 2;
    return static_cast<int>(std::nearbyint(std::sqrt(half * half + across * across)));
}

void drawFullPage(Canvas &canvas, PageSize page, const FullPageParams &params)
{
    const double s = pageScale(page);
    const std::array<QPoint, 3> sources = fullPageSources(page, params.n, params.S);
    const int reach = fullPageReach(page);
    const int dot = trunc(2 * s);
    const Palette &colours = params.colours;
    // The paper is white already; another ground covers the whole page.
    if (colours.ground != colour::white) {
        canvas.pen() = Pen{colours.ground, 1, PenStyle::Clear};
        canvas.brush() = Brush{colours.ground, BrushStyle::Solid};
        canvas.rectangle(0, 0, page.width + 1, page.height + 1);
    }
    canvas.pen() = Pen{colours.ink, 1, PenStyle::Solid};
    for (int k = 0; k < params.n; ++k) {
        const QPoint c = sources[k];
        const int P = params.P[k];
        const int T = params.T[k];
        canvas.pen() = Pen{colours.ink, 1, PenStyle::Solid};
        canvas.brush() = Brush{colours.ink, BrushStyle::Solid};
        canvas.ellipse(c.x() - dot, c.y() - dot, c.x() + dot, c.y() + dot);
        canvas.brush().style = BrushStyle::Clear;
        // A ring step below one device unit would never end; such a page is under 709 units wide.
        const int step = std::max(trunc(P * s), 1);
        for (int r = static_cast<int>(std::nearbyint(trunc(T * s) % step + P * s)); r <= reach;
             r += step) {
            const bool oddRing = (r / step) % 2 == 1;
            // crests solid, the others dashed; a phase offset of half a wave swaps them
            const bool solid = T < P ? !oddRing : oddRing;
            canvas.pen().style = solid ? PenStyle::Solid : PenStyle::Dash;
            canvas.ellipse(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
        }
    }
    if (params.nodePath)
        params.nodePath(canvas, {sources[0], sources[1]}, s);
}

} // namespace wave
