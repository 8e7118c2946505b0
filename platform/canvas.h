// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <span>

namespace wave {

// Colours are 0xffRRGGBB, the pixel format of every picture the program draws.
constexpr QRgb rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

namespace colour {
constexpr QRgb white = 0xffffffffu;
constexpr QRgb black = 0xff000000u;
constexpr QRgb red = 0xffff0000u;
constexpr QRgb green = 0xff008000u;
constexpr QRgb grey = 0xff808080u;
constexpr QRgb silver = 0xffc0c0c0u;
} // namespace colour

enum class PenStyle { Solid, Dot, Dash, Clear };
enum class BrushStyle { Solid, Clear };
enum class CopyMode { Plain, And };

struct Pen {
    QRgb colour = colour::black;
    int width = 1; // wide pens are always drawn solid
    PenStyle style = PenStyle::Solid;
};

struct Brush {
    QRgb colour = colour::white;
    BrushStyle style = BrushStyle::Solid;
};

// The drawing surface of every picture and of the printer page.
//
// Pixel rules shared by all back ends:
// - rectangle(l, t, r, b) covers columns l..r-1 and rows t..b-1: outline with the pen,
//   inside with the brush;
// - lineTo leaves out its end pixel;
// - ellipse and arc use the ellipse inscribed in the same box;
// - arc runs counter-clockwise as seen on the screen, from the ray toward (xs, ys) to the
//   ray toward (xe, ye), both taken from the centre of the box;
// - anything outside the target is clipped.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    Pen &pen() { return pen_; }
    const Pen &pen() const { return pen_; }
    Brush &brush() { return brush_; }
    const Brush &brush() const { return brush_; }
    QFont &font() { return font_; }
    const QFont &font() const { return font_; }
    QPoint position() const { return position_; }

    void moveTo(int x, int y) { position_ = QPoint(x, y); }
    void lineTo(int x, int y)
    {
        drawLine(position_.x(), position_.y(), x, y);
        position_ = QPoint(x, y);
    }

    virtual void rectangle(int l, int t, int r, int b) = 0;
    virtual void ellipse(int l, int t, int r, int b) = 0;
    virtual void arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) = 0;
    virtual void polygon(std::span<const QPoint> points) = 0;
    // Text with its top-left corner at (x, y), in the pen colour on a transparent ground.
    virtual void textOut(int x, int y, const QString &text) = 0;
    // How the current font measures on this surface, in its own units.
    virtual QFontMetricsF fontMetrics() const { return QFontMetricsF(font_); }
    // Block copy of source's rectangle `from` with its top-left corner at `to`.
    virtual void copyFrom(const QImage &source, const QRect &from, QPoint to, CopyMode mode) = 0;
    // Scales the whole picture into `target`; used for pages.
    virtual void stretchImage(const QImage &picture, const QRect &target) = 0;

protected:
    virtual void drawLine(int x0, int y0, int x1, int y1) = 0;

private:
    Pen pen_;
    Brush brush_;
    QFont font_;
    QPoint position_;
};

} // namespace wave
