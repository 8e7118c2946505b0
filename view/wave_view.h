// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/bitmap_canvas.h"
#include "platform/controls.h"
#include "platform/palette.h"

#include <QFrame>

#include <array>

class QScrollBar;

namespace wave {

// The navy frame `Panel1` with the wave view `water` and the layers over it, created
// bottom to top. Layer positions are frame coordinates; the view starts at (14, 14).
class WaveView : public QFrame {
    Q_OBJECT
public:
    explicit WaveView(QWidget *parent);

    ImageView *water;
    ImageView *mim2;
    ShapeLayer *Center1;
    ShapeLayer *center2;
    ShapeLayer *center3;
    ShapeLayer *dissh;
    ShapeLayer *copyshape;
    ImageView *Image1;
    ImageView *mim1;
    ShapeLayer *screenpos;
    QScrollBar *movescreen;

    std::array<ShapeLayer *, 3> markers() const { return {Center1, center2, center3}; }
    // The drawing surface of `water`; it lives as long as the view.
    Canvas &canvas() { return canvas_; }
    // The drawing surfaces of the detail map's two buffers, `mim1` and `mim2`.
    Canvas &mapCanvas(bool first) { return first ? mim1Canvas_ : mim2Canvas_; }

    // Shows the picture zoom times as large inside a frame that keeps its border.
    void setZoom(int zoom);
    // The markers and frames over the picture in the palette's ink and mark colours.
    void setColours(const Palette &colours);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<ShapeLayer *, 6> shapes() const
    {
        return {Center1, center2, center3, dissh, copyshape, screenpos};
    }
    // The frame rectangle of a layer, in the zoomed picture's own pixels.
    QRect zoomed(const QWidget *layer) const;
    void drawZoomedShapes(QPainter &painter) const;

    BitmapCanvas canvas_;
    BitmapCanvas mim1Canvas_;
    BitmapCanvas mim2Canvas_;
};

} // namespace wave
