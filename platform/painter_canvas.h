// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/canvas.h"

#include <QPainter>

namespace wave {

// Draws through a QPainter on any paint device, so printed pages and PDFs stay vector
// drawings. Follows the pixel rules of Canvas as closely as QPainter allows: within a pixel
// of BitmapCanvas. Dot and dash patterns restart on every line here.
class PainterCanvas : public Canvas {
public:
    PainterCanvas(QPainter &painter, int width, int height);

    // For a vector file at one unit per pixel: strokes run through the middle of the pixels
    // they cover, as they do on the screen, so that a one-pixel line stays one sharp pixel
    // wide in a viewer instead of straddling two.
    void centreStrokesOnPixels();

    int width() const override { return width_; }
    int height() const override { return height_; }

    void rectangle(int l, int t, int r, int b) override;
    void ellipse(int l, int t, int r, int b) override;
    void arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override;
    void polygon(std::span<const QPoint> points) override;
    void textOut(int x, int y, const QString &text) override;
    QFontMetricsF fontMetrics() const override;
    // AND needs raster operations; a device without them (a PDF) gets a plain copy, which
    // is the same picture on a white page.
    void copyFrom(const QImage &source, const QRect &from, QPoint to, CopyMode mode) override;
    void stretchImage(const QImage &picture, const QRect &target) override;

protected:
    void drawLine(int x0, int y0, int x1, int y1) override;

private:
    void usePenAndBrush(bool withBrush);

    QPainter &painter_;
    int width_;
    int height_;
    // Half a pixel once strokes are centred: the painter is moved by it, areas are moved back.
    double shift_ = 0.0;
};

} // namespace wave
