// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/painter_canvas.h"

#include <QPaintEngine>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wave {

namespace {

// Qt strokes the outline of QRectF(l, t, w, h) on columns l..l+w with a one-pixel pen, so our
// box l..r-1 is the rectangle one pixel smaller than (l, t, r, b).
QRectF outlineBox(int l, int t, int r, int b)
{
    return QRectF(QPointF(std::min(l, r), std::min(t, b)),
                  QPointF(std::max(l, r) - 1, std::max(t, b) - 1));
}

// Qt measures arc angles on the circle the ellipse is squashed from; our rays are true
// directions from the centre. Degrees counter-clockwise.
double qtAngle(const QRectF &box, double dx, double dy)
{
    const double rx = std::max(box.width(), 1.0);
    const double ry = std::max(box.height(), 1.0);
    return std::atan2(-dy / ry, dx / rx) * 180.0 / std::numbers::pi;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter &painter, int width, int height)
    : painter_(painter), width_(width), height_(height)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // Pictures go onto paper and into PDF files as they are: a JPEG would turn the red trough
    // rings brown and put halos round every thin line.
    painter_.setRenderHint(QPainter::LosslessImageRendering, true);
}

void PainterCanvas::centreStrokesOnPixels()
{
    shift_ = 0.5;
    painter_.translate(shift_, shift_);
}

void PainterCanvas::usePenAndBrush(bool withBrush)
{
    const Pen &p = pen();
    if (p.style == PenStyle::Clear) {
        painter_.setPen(Qt::NoPen);
    } else {
        QPen qp(QColor::fromRgb(p.colour), std::max(p.width, 1));
        qp.setCapStyle(Qt::FlatCap); // leaves out the end pixel of a line
        qp.setJoinStyle(Qt::MiterJoin);
        if (p.width <= 1 && p.style == PenStyle::Dot) {
            qp.setDashPattern({1, 1});
        } else if (p.width <= 1 && p.style == PenStyle::Dash) {
            qp.setDashPattern({6, 2});
        }
        painter_.setPen(qp);
    }
    if (withBrush && brush().style == BrushStyle::Solid) {
        painter_.setBrush(QColor::fromRgb(brush().colour));
    } else {
        painter_.setBrush(Qt::NoBrush);
    }
}

void PainterCanvas::drawLine(int x0, int y0, int x1, int y1)
{
    if (x0 == x1 && y0 == y1) {
        return; // Qt would still put a dot where the line's only pixel, its end, is left out
    }
    usePenAndBrush(false);
    // With centred strokes the flat-capped line starts at the edge of its first pixel and stops
    // at the edge of its last, the end pixel left out.
    const QPointF along = QPointF(x1 - x0, y1 - y0) / std::hypot(x1 - x0, y1 - y0) * shift_;
    painter_.drawLine(QPointF(x0, y0) - along, QPointF(x1, y1) - along);
}

void PainterCanvas::rectangle(int l, int t, int r, int b)
{
    if (l == r || t == b) {
        return;
    }
    const QRectF box = outlineBox(l, t, r, b);
    if (brush().style == BrushStyle::Solid) {
        painter_.fillRect(box.adjusted(0, 0, 1, 1).translated(-shift_, -shift_),
                          QColor::fromRgb(brush().colour));
    }
    usePenAndBrush(false);
    painter_.drawRect(box);
}

void PainterCanvas::ellipse(int l, int t, int r, int b)
{
    if (l == r || t == b) {
        return;
    }
    usePenAndBrush(true);
    painter_.drawEllipse(outlineBox(l, t, r, b));
}

void PainterCanvas::arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye)
{
    if (l == r || t == b) {
        return;
    }
    const QRectF box = outlineBox(l, t, r, b);
    const QPointF s = QPointF(xs, ys) - box.center();
    const QPointF e = QPointF(xe, ye) - box.center();
    const double start = qtAngle(box, s.x(), s.y());
    double span = qtAngle(box, e.x(), e.y()) - start;
    const bool coinciding = s.x() * e.y() == s.y() * e.x() && QPointF::dotProduct(s, e) > 0;
    if (coinciding || span < 0) {
        span += 360; // coinciding rays make the whole ellipse
    }
    usePenAndBrush(false);
    painter_.drawArc(box, int(std::lround(start * 16)),
                     int(std::clamp(std::lround(span * 16), 1L, 5760L)));
}

void PainterCanvas::polygon(std::span<const QPoint> points)
{
    usePenAndBrush(true);
    painter_.drawPolygon(points.data(), int(points.size()), Qt::OddEvenFill);
}

void PainterCanvas::textOut(int x, int y, const QString &text)
{
    painter_.setPen(QColor::fromRgb(pen().colour));
    painter_.setFont(font());
    painter_.drawText(QPointF(x - shift_, y - shift_ + painter_.fontMetrics().ascent()), text);
}

QFontMetricsF PainterCanvas::fontMetrics() const
{
    return QFontMetricsF(font(), painter_.device());
}

void PainterCanvas::copyFrom(const QImage &source, const QRect &from, QPoint to, CopyMode mode)
{
    const bool rasterAnd = mode == CopyMode::And && painter_.paintEngine() &&
                           painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    const QPainter::CompositionMode previous = painter_.compositionMode();
    if (rasterAnd) {
        painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    }
    // Only the piece itself: an SVG would otherwise carry the whole source, squeezed.
    painter_.drawImage(QPointF(to) - QPointF(shift_, shift_), source.copy(from));
    painter_.setCompositionMode(previous);
}

void PainterCanvas::stretchImage(const QImage &picture, const QRect &target)
{
    painter_.drawImage(QRectF(target).translated(-shift_, -shift_), picture);
}

} // namespace wave
