// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bitmap_canvas.h"

#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace wave {

namespace {

using i64 = std::int64_t;

// Pixel centres a stroke may be placed on and still ink the image, inclusive.
struct Clip {
    i64 x0, y0, x1, y1;
};

// Bit k of the pattern says whether the k-th pixel (mod 8) along a stroke gets ink.
std::uint8_t patternBits(const Pen &pen)
{
    if (pen.width > 1 || pen.style == PenStyle::Solid) {
        return 0xff;
    }
    return pen.style == PenStyle::Dot ? 0x55 : 0x3f;
}

bool inked(std::uint8_t bits, i64 k)
{
    return (bits >> (k & 7)) & 1;
}

// Puts pen pixels into the image; a pen wider than one pixel is stamped as a square.
class Ink {
public:
    Ink(QImage &image, const Pen &pen)
        : bits_(image.bits()), stride_(image.bytesPerLine()), w_(image.width()), h_(image.height()),
          width_(std::max(pen.width, 1)), colour_(pen.colour)
    {
    }

    Clip clip() const
    {
        const int before = width_ / 2;
        const int after = (width_ - 1) / 2;
        return {-before, -before, i64(w_) - 1 + after, i64(h_) - 1 + after};
    }
    bool empty() const { return w_ <= 0 || h_ <= 0; }
    bool thin() const { return width_ == 1; }
    QRgb *pixels() { return reinterpret_cast<QRgb *>(bits_); }
    qsizetype stride() const { return stride_ / qsizetype(sizeof(QRgb)); }
    QRgb colour() const { return colour_; }

    // (x, y) must lie in clip().
    void plot(int x, int y)
    {
        if (width_ == 1) {
            row(y)[x] = colour_;
            return;
        }
        const int x0 = std::max(x - (width_ - 1) / 2, 0);
        const int x1 = std::min(x + width_ / 2, w_ - 1);
        const int y0 = std::max(y - (width_ - 1) / 2, 0);
        const int y1 = std::min(y + width_ / 2, h_ - 1);
        const int n = x1 - x0 + 1;
        // Rows of four or more go in 4-pixel stores, the last one overlapping its neighbour:
        // the detail map stamps ten thousand such squares a frame. Copies, so that storing a
        // pixel cannot be taken to change them.
        const QRgb colour = colour_;
        const QRgb four[4] = {colour, colour, colour, colour};
        const qsizetype step = stride();
        QRgb *p = row(y0) + x0;
        for (int py = y0; py <= y1; ++py, p += step) {
            if (n >= 4) {
                for (int at = 0; at < n - 4; at += 4) {
                    std::memcpy(p + at, four, sizeof four);
                }
                std::memcpy(p + n - 4, four, sizeof four);
            } else {
                for (int k = 0; k < n; ++k) {
                    p[k] = colour;
                }
            }
        }
    }

private:
    QRgb *row(int y) { return reinterpret_cast<QRgb *>(bits_ + y * stride_); }

    uchar *bits_;
    qsizetype stride_;
    int w_;
    int h_;
    int width_;
    QRgb colour_;
};

// The ellipse inscribed in a box, in half pixels so that the centre of an even-sized box,
// which falls between two pixels, is still a whole number.
struct Ellipse {
    i64 cx2, cy2; // centre
    i64 a, b;     // radii; a pixel column sits at cx2 + x for x of the same parity as a
};

bool inscribed(int l, int t, int r, int b, Ellipse &e)
{
    if (l > r) {
        std::swap(l, r);
    }
    if (t > b) {
        std::swap(t, b);
    }
    if (l == r || t == b) {
        return false;
    }
    e = {i64(l) + r - 1, i64(t) + b - 1, i64(r) - l - 1, i64(b) - t - 1};
    return true;
}

// F(u, v) = vr² u² + ur² v² - ur² vr²: negative inside an ellipse with radius ur along u and
// vr along v. T is an exact integer up to radii of 2^14 half pixels, double beyond.
template <typename T> struct Quadric {
    T ur2, vr2;
    T operator()(i64 u, i64 v) const { return vr2 * T(u) * T(u) + ur2 * T(v) * T(v) - ur2 * vr2; }
};

i64 alignUp(i64 v, i64 parity)
{
    return v + ((v - parity) & 1);
}
i64 alignDown(i64 v, i64 parity)
{
    return v - ((v - parity) & 1);
}

// Raises v, of vr's parity, to the largest value up to vr with f(u, v + off) <= 0. Gallops,
// then bisects: on a flat ellipse the way up can be very long.
template <typename T> i64 raise(const Quadric<T> &f, i64 u, i64 v, i64 vr, int off)
{
    i64 step = 2;
    for (; v < vr && f(u, std::min(v + step, vr) + off) <= 0; step *= 2) {
        v = std::min(v + step, vr);
    }
    while (step > 2) {
        step /= 2;
        if (v + step <= vr && f(u, v + step + off) <= 0) {
            v += step;
        }
    }
    return v;
}

// The largest v in [vr mod 2, vr], of vr's parity, with f(u, v + off) <= 0; the smallest if
// there is none. The square root only guesses; the quadric decides.
template <typename T> i64 curveV(const Quadric<T> &f, i64 u, i64 ur, i64 vr, int off)
{
    const i64 v0 = vr & 1;
    const double s = ur > 0 ? double(u) / double(ur) : 0.0;
    const i64 guess = i64(double(vr) * std::sqrt(std::max(0.0, 1.0 - s * s)));
    i64 v = raise(f, u, std::clamp(alignDown(guess, vr), v0, vr), vr, off);
    while (v > v0 && f(u, v + off) > 0) {
        v -= 2;
    }
    return v;
}

// The part of a quadrant an arc covers, as two half-planes through the centre in a walk's own
// coordinates: a pixel (u, v) is covered when su u + sv v >= 0 and (or, on an arc wider than
// half the ellipse, either) eu u + ev v >= 0. All zero covers everything.
struct Wedge {
    i64 su = 0, sv = 0, eu = 0, ev = 0;
    bool either = false;
    bool covers(i64 u, i64 v) const
    {
        const bool s = su * u + sv * v >= 0;
        const bool e = eu * u + ev * v >= 0;
        return (s & e) | (either & (s | e));
    }
};

// Where a walk's pixels sit in the image, for one-pixel pens drawing a whole quadrant: the
// walk then follows its pixel by index, and most pixels cost a single store.
struct Cursor {
    struct Axis {
        i64 centre;      // in half pixels
        i64 sign;        // +1 or -1: which way the walk's coordinate runs on the screen
        qsizetype scale; // index change per pixel on the screen
        qsizetype step() const { return sign * scale; }
        qsizetype index(i64 t) const { return qsizetype((centre + sign * t) >> 1) * scale; }
    };

    QRgb *pixels; // null: every pixel goes through the walk's visit instead
    Axis u, v;
    QRgb colour;
    std::uint8_t bits;
    Wedge wedge; // which of the walk's pixels the arc covers
};

// One octant of the outline: u steps a pixel at a time over [uFrom, uTo] while v follows the
// curve, falling as u grows. Where it falls by more than a pixel, a run of v up to the previous
// step keeps the outline connected. On the row uJoin, where the other octant took over, the
// pixels start at vJoin. Pixels with v in [vLo, vHi] reach visit(u, v, k), k counting along.
// Plain says the pen is solid and the wedge covers the whole quadrant: every pixel is stored.
template <bool Plain, typename T, typename Visit>
void walkOctant(const Quadric<T> &f, i64 ur, i64 vr, i64 uFrom, i64 uTo, i64 uJoin, i64 vJoin,
                i64 vLo, i64 vHi, const Cursor &cursor, Visit visit)
{
    if (vHi < vr && vr > 0) {
        // Skip to where the curve comes down to vHi + 1 instead of stepping there.
        const double s = double(vHi + 1) / double(vr);
        const i64 u = i64(double(ur) * std::sqrt(std::max(0.0, 1.0 - s * s))) - 2;
        uFrom = std::max(uFrom, alignDown(u, ur & 1));
    }
    if (uFrom > uTo || vHi < vLo) {
        return;
    }
    const i64 v0 = vr & 1;
    i64 v = curveV(f, uFrom, ur, vr, -1);
    i64 previous = uFrom - 2 >= (ur & 1) ? raise(f, uFrom - 2, v, vr, -1) : v;
    // d is f at the midpoint half a pixel below v; dDown and dUp are its changes when v steps
    // down and when u steps up, kept by differences so no step waits on a multiplication.
    T d = f(uFrom, v - 1);
    T dDown = f.ur2 * T(8 - 4 * v);
    T dUp = f.vr2 * T(4 * uFrom + 4);
    const T ddDown = 8 * f.ur2, ddUp = 8 * f.vr2;
    // Copies, so that storing a pixel cannot be taken to change them.
    QRgb *const pixels = cursor.pixels;
    const qsizetype du = cursor.u.step(), dv = cursor.v.step();
    const QRgb colour = cursor.colour;
    const std::uint8_t bits = cursor.bits;
    const Wedge wedge = cursor.wedge;
    qsizetype at = cursor.u.index(uFrom) + cursor.v.index(v);
    const i64 vMin = std::max(v0, vLo);
    const i64 uFast = std::min(uTo, uJoin - 2);
    for (i64 u = uFrom; u <= uTo; u += 2) {
        if (pixels && previous == v && v >= vMin && v <= vHi && u <= uFast) {
            // The bulk of the work in few registers: one pixel a step, v falling by at most
            // one pixel and staying at vMin or above. Anything else leaves it mid-step, which
            // the general step below picks up.
            auto pattern = std::rotr(bits, int((u >> 1) & 7));
            for (; u <= uFast; u += 2) {
                const bool down = d > 0;
                if (down & (v <= vMin)) {
                    break;
                }
                d += down ? dDown : T(0);
                dDown += down ? ddDown : T(0);
                v -= down ? 2 : 0;
                at -= down ? dv : 0;
                if (d > 0) {
                    previous = v + 2;
                    break;
                }
                if (Plain || ((pattern & 1) && wedge.covers(u, v))) {
                    pixels[at] = colour;
                }
                pattern = std::rotr(pattern, 1);
                d += dUp;
                dUp += ddUp;
                at += du;
                previous = v;
            }
            if (u > uTo) {
                return;
            }
        }
        // Mostly v steps down by at most one pixel: decide that without a branch, which the
        // processor could only guess at.
        const bool down = (d > 0) & (v > v0);
        d += down ? dDown : T(0);
        dDown += down ? ddDown : T(0);
        v -= down ? 2 : 0;
        at -= down ? dv : 0;
        if ((d > 0) & (v > v0)) {
            // A fall of more than a pixel, which may be a long one on a flat ellipse: find v
            // afresh rather than stepping down to it.
            v = curveV(f, u, ur, vr, -1);
            d = f(u, v - 1);
            dDown = f.ur2 * T(8 - 4 * v);
            at = cursor.u.index(u) + cursor.v.index(v);
        }
        const bool inside = std::uint64_t(v - vLo) <= std::uint64_t(vHi - vLo);
        if (inside & (previous <= v + 2) & (u != uJoin)) {
            if (!pixels) {
                visit(u, v, u >> 1);
            } else if (inked(bits, u >> 1) && wedge.covers(u, v)) {
                pixels[at] = colour;
            }
        } else {
            const i64 top = std::max(v, previous - 2);
            if (top < vLo) {
                return;
            }
            const i64 last = std::min(top, vHi);
            for (i64 w = std::max(u == uJoin ? vJoin : v, vLo); w <= last; w += 2) {
                visit(u, w, (u + w - v) >> 1);
            }
        }
        previous = v;
        d += dUp;
        dUp += ddUp;
        at += du;
    }
}

// The directions an arc covers, counter-clockwise on the screen from ray s to ray e, decided
// with exact cross products. Vectors point right and up.
class Sweep {
public:
    enum class Cover { None, Some, All };

    Sweep() = default; // the whole ellipse
    Sweep(i64 su, i64 sv, i64 eu, i64 ev)
    {
        shorten(su, sv);
        shorten(eu, ev);
        s_ = {su, sv};
        e_ = {eu, ev};
        full_ = cross(s_, e_) == 0 && dot(s_, e_) > 0;
        wide_ = cross(s_, e_) <= 0;
    }

    bool covers(i64 u, i64 v) const
    {
        const V p{u, v};
        if (full_) {
            return true;
        }
        if (wide_) {
            return cross(s_, p) >= 0 || cross(p, e_) >= 0;
        }
        return cross(s_, p) >= 0 && cross(p, e_) >= 0;
    }

    // How much of quadrant q = 0..3, counted counter-clockwise from the right-and-up one, the
    // arc covers. Of the axes, the upward and downward ones belong to the right quadrants,
    // the right and left ones to the upper quadrants, as stroke() hands out their pixels.
    Cover quadrant(int q) const
    {
        if (full_) {
            return Cover::All;
        }
        static constexpr V axes[5] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 0}};
        const V a = axes[q];
        const V b = axes[q + 1];
        const bool aIn = covers(a.u, a.v);
        const bool bIn = covers(b.u, b.v);
        const auto within = [&](V p) { return cross(a, p) > 0 && cross(p, b) > 0; };
        const bool endsOnA = cross(e_, a) == 0 && dot(e_, a) > 0;
        if (aIn && bIn && !within(e_) && !endsOnA) {
            return Cover::All;
        }
        // With neither end inside, the arc holds all of the open quadrant or none of it.
        const bool open = within(s_) || within(e_) || covers(a.u + b.u, a.v + b.v);
        return open || (aIn && (q == 0 || q == 3)) || (bIn && q < 2) ? Cover::Some : Cover::None;
    }

    // True when the arc covers every direction of a box of pixels: offsets x in [x0, x1] along
    // the screen sign sx and y in [y0, y1] along sy. The half-planes are convex, so the
    // corners decide.
    bool coversBox(i64 sx, i64 sy, i64 x0, i64 x1, i64 y0, i64 y1) const
    {
        if (full_) {
            return true;
        }
        bool sAll = true, eAll = true;
        for (const i64 x : {x0, x1}) {
            for (const i64 y : {y0, y1}) {
                const V p{sx * x, -sy * y};
                sAll = sAll && cross(s_, p) >= 0;
                eAll = eAll && cross(p, e_) >= 0;
            }
        }
        return wide_ ? sAll || eAll : sAll && eAll;
    }

    // The directions of quadrant q that the arc covers, when they form one span short of the
    // whole quadrant: its first and last direction, right and up.
    struct Span {
        i64 fu, fv, tu, tv;
    };
    std::optional<Span> span(int q) const
    {
        if (full_) {
            return std::nullopt;
        }
        static constexpr V axes[5] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 0}};
        const V a = axes[q];
        const V b = axes[q + 1];
        const auto within = [&](V p) { return cross(a, p) > 0 && cross(p, b) > 0; };
        const auto onAxis = [](V p, V axis) { return cross(p, axis) == 0 && dot(p, axis) > 0; };
        for (const V end : {s_, e_}) {
            if (onAxis(end, a) || onAxis(end, b)) {
                return std::nullopt; // an end on an axis covers that axis' pixels too
            }
        }
        const bool sIn = within(s_);
        const bool eIn = within(e_);
        if (sIn && eIn) {
            // on a wide arc the quadrant holds its two ends with the gap between them
            return cross(s_, e_) > 0 ? std::optional(Span{s_.u, s_.v, e_.u, e_.v}) : std::nullopt;
        }
        if (sIn) {
            return Span{s_.u, s_.v, b.u, b.v};
        }
        if (eIn) {
            return Span{a.u, a.v, e_.u, e_.v};
        }
        return std::nullopt;
    }

    // The arc's part of the quadrant with the given screen signs (sx right, sy down), for a
    // walk that steps along x or, when alongY, along y.
    Wedge wedge(Cover cover, i64 sx, i64 sy, bool alongY) const
    {
        if (full_ || cover == Cover::All) {
            return {};
        }
        // The pixel at (x, y) lies in the direction (sx x, -sy y): cross products are linear.
        const i64 sX = -s_.v * sx, sY = -s_.u * sy, eX = e_.v * sx, eY = e_.u * sy;
        return alongY ? Wedge{sY, sX, eY, eX, wide_} : Wedge{sX, sY, eX, eY, wide_};
    }

private:
    struct V {
        i64 u, v;
    };
    static i64 cross(V p, V q) { return p.u * q.v - p.v * q.u; }
    static i64 dot(V p, V q) { return p.u * q.u + p.v * q.v; }
    // Keeps the products within 64 bits; only directions matter. No direction means 0 degrees.
    static void shorten(i64 &u, i64 &v)
    {
        while (std::max(std::abs(u), std::abs(v)) > (i64(1) << 24)) {
            u /= 2;
            v /= 2;
        }
        if (u == 0 && v == 0) {
            u = 1;
        }
    }

    V s_{1, 0};
    V e_{1, 0};
    bool full_ = true;
    bool wide_ = true;
};

// True if no outline pixel can land in the clip: it lies wholly outside the curve or wholly
// inside it. Outline pixels sit within half a pixel of the curve; a pixel of slack is kept.
bool misses(const Ellipse &e, const Clip &c)
{
    const double x0 = double(2 * c.x0 - 2 - e.cx2), x1 = double(2 * c.x1 + 2 - e.cx2);
    const double y0 = double(2 * c.y0 - 2 - e.cy2), y1 = double(2 * c.y1 + 2 - e.cy2);
    const double a2 = double(e.a) * double(e.a), b2 = double(e.b) * double(e.b);
    const auto f = [&](double x, double y) { return b2 * x * x + a2 * y * y - a2 * b2; };
    if (f(x0, y0) < 0 && f(x0, y1) < 0 && f(x1, y0) < 0 && f(x1, y1) < 0) {
        return true;
    }
    const auto nearest = [](double lo, double hi) {
        return lo <= 0 && hi >= 0 ? 0.0 : std::min(std::abs(lo), std::abs(hi));
    };
    return f(nearest(x0, x1), nearest(y0, y1)) > 0;
}

template <typename T>
void stroke(const Ellipse &e, const Clip &c, const Sweep &sweep, std::uint8_t bits, Ink &ink)
{
    const i64 a = e.a, b = e.b;
    const Quadric<T> fx{T(a) * T(a), T(b) * T(b)}; // stepping along x
    const Quadric<T> fy{T(b) * T(b), T(a) * T(a)}; // stepping along y
    const i64 x0 = a & 1, y0 = b & 1;

    // Stepping along x holds while the curve is flatter than 45 degrees: find the last such
    // column by galloping from the estimate, then bisecting.
    const auto flat = [&](i64 k) {
        const i64 x = x0 + 2 * k;
        return T(b) * T(b) * T(x) <= T(a) * T(a) * T(curveV(fx, x, a, b, -1));
    };
    const i64 kMax = (a - x0) / 2;
    const double turn =
        double(a) * double(a) / std::sqrt(double(a) * double(a) + double(b) * double(b));
    i64 xTurn = 0, yTurn = 0;
    bool turnFound = false;
    const auto findTurn = [&] {
        if (turnFound) {
            return;
        }
        turnFound = true;
        i64 lo = std::clamp(i64((turn - double(x0)) / 2), i64(0), kMax);
        i64 hi = lo;
        i64 step = 1;
        if (flat(lo)) {
            for (hi = lo + 1; hi <= kMax && flat(hi); step *= 2, hi = lo + step) {
                lo = hi;
            }
            hi = std::min(hi, kMax + 1);
        } else {
            for (lo = hi - 1; lo >= 0 && !flat(lo); step *= 2, lo = hi - step) {
                hi = lo;
            }
            lo = std::max(lo, i64(-1));
        }
        while (hi - lo > 1) {
            const i64 mid = lo + (hi - lo) / 2;
            (flat(mid) ? lo : hi) = mid;
        }
        xTurn = x0 + 2 * lo;
        yTurn = lo >= 0 ? curveV(fx, xTurn, a, b, -1) : b + 2;
    };

    for (int q = 0; q < 4; ++q) {
        Sweep::Cover cover = sweep.quadrant(q);
        if (cover == Sweep::Cover::None) {
            continue;
        }
        const i64 sx = q == 0 || q == 3 ? 1 : -1;
        const i64 sy = q < 2 ? -1 : 1;
        // The axes belong to the right and upper quadrants, so no pixel is drawn twice.
        i64 xLo = alignUp(std::max(sx > 0 ? 2 * c.x0 - e.cx2 : e.cx2 - 2 * c.x1,
                                   sx > 0 ? x0 : std::max(x0, i64(1))),
                          x0);
        i64 xHi = alignDown(std::min(sx > 0 ? 2 * c.x1 - e.cx2 : e.cx2 - 2 * c.x0, a), x0);
        i64 yLo = alignUp(std::max(sy > 0 ? 2 * c.y0 - e.cy2 : e.cy2 - 2 * c.y1,
                                   sy < 0 ? y0 : std::max(y0, i64(1))),
                          y0);
        i64 yHi = alignDown(std::min(sy > 0 ? 2 * c.y1 - e.cy2 : e.cy2 - 2 * c.y0, b), y0);
        if (cover == Sweep::Cover::Some && a > 0 && b > 0) {
            if (const auto part = sweep.span(q)) {
                // A short arc walks only the box round its part of the quadrant. Outline
                // pixels keep within a pixel of the curve, so they lie between the ellipses
                // three pixels inside and outside it; along a quadrant each of those is
                // monotone, so the four points where the span's end rays cross them span the box.
                const auto onCurve = [](i64 u, i64 v, double ra, double rb) {
                    const double du = double(std::abs(u)), dv = double(std::abs(v));
                    const double t = ra * rb / std::sqrt(rb * rb * du * du + ra * ra * dv * dv);
                    return std::pair(du * t, dv * t);
                };
                const double slack = 6.0;
                double boxX0 = 1e300, boxX1 = -1e300, boxY0 = 1e300, boxY1 = -1e300;
                for (const double grow : {-slack, slack}) {
                    const double ra = std::max(double(a) + grow, 0.0);
                    const double rb = std::max(double(b) + grow, 0.0);
                    for (const auto &[pu, pv] :
                         {std::pair(part->fu, part->fv), std::pair(part->tu, part->tv)}) {
                        const auto [px, py] =
                            ra > 0 && rb > 0 ? onCurve(pu, pv, ra, rb) : std::pair(0.0, 0.0);
                        boxX0 = std::min(boxX0, px);
                        boxX1 = std::max(boxX1, px);
                        boxY0 = std::min(boxY0, py);
                        boxY1 = std::max(boxY1, py);
                    }
                }
                xLo = std::max(xLo, alignUp(i64(std::floor(boxX0)) - 2, x0));
                xHi = std::min(xHi, alignDown(i64(std::ceil(boxX1)) + 2, x0));
                yLo = std::max(yLo, alignUp(i64(std::floor(boxY0)) - 2, y0));
                yHi = std::min(yHi, alignDown(i64(std::ceil(boxY1)) + 2, y0));
            }
        }
        // An arc ending just off an axis covers the whole box all the same: walk it unmasked.
        if (cover == Sweep::Cover::Some && sweep.coversBox(sx, sy, xLo, xHi, yLo, yHi)) {
            cover = Sweep::Cover::All;
        }
        // On a circle the turn lies within two pixels of a / sqrt 2: a box wholly on one side
        // of it needs only that side's walk, and no search for the turn.
        const i64 margin = 8;
        const bool flatOnly = a == b && double(xHi) < turn - margin;
        const bool steepOnly = a == b && double(xLo) > turn + margin && double(yHi) < turn - margin;
        if (!flatOnly && !steepOnly) {
            findTurn();
        }
        const i64 flatTo = flatOnly ? xHi : std::min(xHi, xTurn);
        const i64 steepTo = steepOnly ? yHi : std::min(yHi, std::min(yTurn, b));
        const i64 join = steepOnly ? std::numeric_limits<i64>::max() : yTurn;
        const auto put = [&](i64 x, i64 y, i64 k) {
            if (inked(bits, k) && (cover == Sweep::Cover::All || sweep.covers(sx * x, -sy * y))) {
                ink.plot(int((e.cx2 + sx * x) >> 1), int((e.cy2 + sy * y) >> 1));
            }
        };
        QRgb *const pixels = ink.thin() ? ink.pixels() : nullptr;
        const Cursor::Axis across{e.cx2, sx, 1};
        const Cursor::Axis down{e.cy2, sy, ink.stride()};
        const auto walk = [plain = bits == 0xff && cover == Sweep::Cover::All](auto &&...args) {
            plain ? walkOctant<true>(args...) : walkOctant<false>(args...);
        };
        if (!steepOnly) {
            walk(
                fx, a, b, xLo, flatTo, std::numeric_limits<i64>::max(), 0, yLo, yHi,
                Cursor{pixels, across, down, ink.colour(), bits, sweep.wedge(cover, sx, sy, false)},
                [&](i64 x, i64 y, i64 k) { put(x, y, k); });
        }
        if (!flatOnly) {
            walk(fy, b, a, yLo, steepTo, join, xTurn + 2, xLo, xHi,
                 Cursor{pixels, down, across, ink.colour(), bits, sweep.wedge(cover, sx, sy, true)},
                 [&](i64 y, i64 x, i64 k) { put(x, y, k); });
        }
    }
}

void strokeEllipse(QImage &image, const Pen &pen, const Ellipse &e, const Sweep &sweep)
{
    Ink ink(image, pen);
    const Clip c = ink.clip();
    if (pen.style == PenStyle::Clear || ink.empty() || misses(e, c)) {
        return;
    }
    if (std::max(e.a, e.b) <= (i64(1) << 14)) {
        stroke<i64>(e, c, sweep, patternBits(pen), ink);
    } else {
        stroke<double>(e, c, sweep, patternBits(pen), ink);
    }
}

} // namespace

BitmapCanvas::BitmapCanvas(QImage &image) : image_(image)
{
    if (image_.format() != QImage::Format_RGB32) {
        image_.convertTo(QImage::Format_RGB32);
    }
}

void BitmapCanvas::fill(i64 l, i64 t, i64 r, i64 b, QRgb colour)
{
    l = std::max(l, i64(0));
    t = std::max(t, i64(0));
    r = std::min(r, i64(width()));
    b = std::min(b, i64(height()));
    if (l >= r || t >= b) {
        return;
    }
    const qsizetype stride = image_.bytesPerLine();
    uchar *const bits = image_.bits();
    const bool sameBytes = colour == (colour & 0xffu) * 0x01010101u;
    if (sameBytes && l == 0 && r == width() && stride == qsizetype(sizeof(QRgb)) * width()) {
        // Whole rows of white, as every scene starts with: one block, at memset's speed.
        std::memset(bits + t * stride, int(colour & 0xffu), std::size_t((b - t) * stride));
        return;
    }
    for (i64 y = t; y < b; ++y) {
        auto *row = reinterpret_cast<QRgb *>(bits + y * stride);
        std::fill(row + l, row + r, colour);
    }
}

void BitmapCanvas::drawLine(int x0, int y0, int x1, int y1)
{
    const i64 dx = i64(x1) - x0, dy = i64(y1) - y0;
    const bool steep = std::abs(dy) > std::abs(dx);
    const i64 n = std::max(std::abs(dx), std::abs(dy)); // the end pixel is step n, left out
    const i64 phase = stroked_;
    stroked_ += n;
    Ink ink(image_, pen());
    if (n == 0 || pen().style == PenStyle::Clear || ink.empty()) {
        return;
    }
    if (dy == 0 && ink.thin() && patternBits(pen()) == 0xff) {
        // A plain row, as the plane fronts of the slit scene are: filled in one go.
        fill(dx > 0 ? x0 : i64(x1) + 1, y0, dx > 0 ? x1 : i64(x0) + 1, i64(y0) + 1, pen().colour);
        return;
    }
    const Clip c = ink.clip();
    const i64 m0 = steep ? y0 : x0, n0 = steep ? x0 : y0;
    const i64 sm = (steep ? dy : dx) < 0 ? -1 : 1, sn = (steep ? dx : dy) < 0 ? -1 : 1;
    const i64 am = n, an = std::abs(steep ? dx : dy);
    const i64 mLo = steep ? c.y0 : c.x0, mHi = steep ? c.y1 : c.x1;
    const i64 nLo = steep ? c.x0 : c.y0, nHi = steep ? c.x1 : c.y1;
    const i64 first = std::max(sm > 0 ? mLo - m0 : m0 - mHi, i64(0));
    const i64 last = std::min(sm > 0 ? mHi - m0 : m0 - mLo, n - 1);
    if (first > last) {
        return;
    }
    // The minor offset of step i is i * an / am rounded half up; start at `first` directly
    // rather than stepping through the part outside.
    const std::uint64_t p = std::uint64_t(first) * std::uint64_t(an);
    i64 q = i64(p / std::uint64_t(am));
    i64 r = 2 * i64(p % std::uint64_t(am)) + am;
    if (r >= 2 * am) {
        ++q;
        r -= 2 * am;
    }
    const std::uint8_t bits = patternBits(pen());
    for (i64 i = first; i <= last; ++i) {
        const i64 minor = n0 + sn * q;
        if (minor >= nLo && minor <= nHi) {
            if (inked(bits, phase + i)) {
                const int major = int(m0 + sm * i);
                steep ? ink.plot(int(minor), major) : ink.plot(major, int(minor));
            }
        } else if ((sn > 0) == (minor > nHi)) {
            return;
        }
        r += 2 * an;
        if (r >= 2 * am) {
            ++q;
            r -= 2 * am;
        }
    }
}

void BitmapCanvas::rectangle(int l, int t, int r, int b)
{
    if (l > r) {
        std::swap(l, r);
    }
    if (t > b) {
        std::swap(t, b);
    }
    if (l == r || t == b) {
        return;
    }
    if (brush().style == BrushStyle::Solid) {
        fill(l, t, r, b, brush().colour);
    }
    if (i64(r) - l == 1) {
        drawLine(l, t, l, b);
    } else if (i64(b) - t == 1) {
        drawLine(l, t, r, t);
    } else {
        drawLine(l, t, r - 1, t);
        drawLine(r - 1, t, r - 1, b - 1);
        drawLine(r - 1, b - 1, l, b - 1);
        drawLine(l, b - 1, l, t);
    }
}

void BitmapCanvas::ellipse(int l, int t, int r, int b)
{
    Ellipse e{};
    if (!inscribed(l, t, r, b, e)) {
        return;
    }
    if (brush().style == BrushStyle::Solid && width() > 0) {
        // Each row is filled between the outermost pixel centres inside the curve.
        const Quadric<double> f{double(e.b) * double(e.b), double(e.a) * double(e.a)};
        const i64 top = std::max((e.cy2 - e.b) / 2, i64(0));
        const i64 bottom = std::min((e.cy2 + e.b) / 2, i64(height()) - 1);
        for (i64 y = top; y <= bottom; ++y) {
            const i64 dy = std::abs(2 * y - e.cy2);
            const i64 dx = curveV(f, dy, e.b, e.a, 0);
            if (f(dy, dx) <= 0) {
                fill((e.cx2 - dx) / 2, y, (e.cx2 + dx) / 2 + 1, y + 1, brush().colour);
            }
        }
    }
    strokeEllipse(image_, pen(), e, Sweep());
}

void BitmapCanvas::arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye)
{
    Ellipse e{};
    if (!inscribed(l, t, r, b, e)) {
        return;
    }
    const Sweep sweep(2 * i64(xs) - e.cx2, e.cy2 - 2 * i64(ys), 2 * i64(xe) - e.cx2,
                      e.cy2 - 2 * i64(ye));
    strokeEllipse(image_, pen(), e, sweep);
}

void BitmapCanvas::polygon(std::span<const QPoint> points)
{
    if (points.empty()) {
        return;
    }
    if (brush().style == BrushStyle::Solid) {
        // Even-odd scanlines through pixel centres; a crossing at x fills from x on, so a
        // rectangle's outline points fill the same pixels as rectangle() does.
        const auto [low, high] = std::minmax_element(
            points.begin(), points.end(), [](QPoint p, QPoint q) { return p.y() < q.y(); });
        const int top = std::max(low->y(), 0);
        const int bottom = std::min(high->y(), height() - 1);
        std::vector<i64> xs;
        for (int y = top; y <= bottom; ++y) {
            xs.clear();
            for (std::size_t i = 0; i < points.size(); ++i) {
                QPoint p = points[i];
                QPoint q = points[(i + 1) % points.size()];
                if (p.y() > q.y()) {
                    std::swap(p, q);
                }
                if (y >= p.y() && y < q.y()) {
                    const double x = p.x() + (double(y) - p.y()) * (double(q.x()) - p.x()) /
                                                 (double(q.y()) - p.y());
                    xs.push_back(i64(std::ceil(x)));
                }
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
                fill(xs[i], y, xs[i + 1], y + 1, brush().colour);
            }
        }
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPoint p = points[i];
        const QPoint q = points[(i + 1) % points.size()];
        drawLine(p.x(), p.y(), q.x(), q.y());
    }
}

void BitmapCanvas::textOut(int x, int y, const QString &text)
{
    // Plain pixels in the pen colour, no blended edges: pictures are combined with AND.
    QFont plain = font();
    plain.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&image_);
    painter.setFont(plain);
    painter.setPen(QColor::fromRgb(pen().colour));
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

void BitmapCanvas::copyFrom(const QImage &source, const QRect &from, QPoint to, CopyMode mode)
{
    const QRect src = from.intersected(source.rect());
    const QRect dst = QRect(to + (src.topLeft() - from.topLeft()), src.size());
    const QRect target = dst.intersected(image_.rect());
    if (target.isEmpty()) {
        return;
    }
    // Holding the source before touching our pixels detaches them when both are one picture.
    const QImage block = source.format() == QImage::Format_RGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    const QPoint offset = src.topLeft() - dst.topLeft();
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(block.constScanLine(y + offset.y())) +
                        target.left() + offset.x();
        auto *d = reinterpret_cast<QRgb *>(image_.scanLine(y)) + target.left();
        if (mode == CopyMode::Plain) {
            std::copy(s, s + target.width(), d);
        } else {
            std::transform(s, s + target.width(), d, d, [](QRgb a, QRgb b) { return a & b; });
        }
    }
}

void BitmapCanvas::stretchImage(const QImage &picture, const QRect &target)
{
    QPainter painter(&image_);
    painter.drawImage(target, picture);
}

} // namespace wave
