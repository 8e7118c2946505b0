// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/canvas.h"

#include <vector>

namespace wave {

// Logs every drawing call with the pen and brush in force, so scene tests can assert the
// exact calls a picture is made of.
class RecordingCanvas : public Canvas {
public:
    enum class Op { Rectangle, Ellipse, Arc, Line, Polygon, Text, Copy, Stretch };
    struct Call {
        Op op;
        std::vector<int> args;
        Pen pen;
        Brush brush;
    };

    std::vector<Call> calls;

    int width() const override { return 709; }
    int height() const override { return 349; }
    void rectangle(int l, int t, int r, int b) override { log(Op::Rectangle, {l, t, r, b}); }
    void ellipse(int l, int t, int r, int b) override { log(Op::Ellipse, {l, t, r, b}); }
    void arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override
    {
        log(Op::Arc, {l, t, r, b, xs, ys, xe, ye});
    }
    void polygon(std::span<const QPoint> points) override
    {
        std::vector<int> args;
        for (QPoint p : points) {
            args.push_back(p.x());
            args.push_back(p.y());
        }
        log(Op::Polygon, std::move(args));
    }
    void textOut(int x, int y, const QString &) override { log(Op::Text, {x, y}); }
    void copyFrom(const QImage &, const QRect &from, QPoint to, CopyMode) override
    {
        log(Op::Copy, {from.x(), from.y(), from.width(), from.height(), to.x(), to.y()});
    }
    void stretchImage(const QImage &, const QRect &target) override
    {
        log(Op::Stretch, {target.x(), target.y(), target.width(), target.height()});
    }

    std::vector<Call> only(Op op) const
    {
        std::vector<Call> found;
        for (const Call &call : calls)
            if (call.op == op)
                found.push_back(call);
        return found;
    }

protected:
    void drawLine(int x0, int y0, int x1, int y1) override { log(Op::Line, {x0, y0, x1, y1}); }

private:
    void log(Op op, std::vector<int> args)
    {
        calls.push_back({op, std::move(args), pen(), brush()});
    }
};

} // namespace wave
