// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/canvas.h"

#include <cstdint>

namespace wave {

// The canvas of every on-screen picture: draws straight into an RGB32 image with our own
// rasteriser, so the pixel rules of Canvas hold exactly and a frame of a thousand rings stays
// cheap. Dotted pens ink every other pixel, dashed pens 6 pixels on and 2 off; the pattern runs
// on from one line to the next so short segments of a polyline still show gaps.
class BitmapCanvas : public Canvas {
public:
    // An image of another format is converted to RGB32 in place.
    explicit BitmapCanvas(QImage &image);

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }

    void rectangle(int l, int t, int r, int b) override;
    void ellipse(int l, int t, int r, int b) override;
    void arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override;
    void polygon(std::span<const QPoint> points) override;
    void textOut(int x, int y, const QString &text) override;
    void copyFrom(const QImage &source, const QRect &from, QPoint to, CopyMode mode) override;
    void stretchImage(const QImage &picture, const QRect &target) override;

protected:
    void drawLine(int x0, int y0, int x1, int y1) override;

private:
    void fill(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b, QRgb colour);

    QImage &image_;
    std::int64_t stroked_ = 0; // pixels stepped by lines so far: the phase of the pen pattern
};

} // namespace wave
