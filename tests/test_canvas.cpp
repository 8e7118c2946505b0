// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bitmap_canvas.h"
#include "platform/painter_canvas.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <utility>
#include <vector>

using namespace wave;

namespace {

using Pixels = std::set<std::pair<int, int>>;
using Drawing = std::function<void(Canvas &)>;
enum class Back { Bitmap, Painter };

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour::white);
    return image;
}

// A white w x h picture with the drawing on it; the brush starts out clear.
QImage draw(const Drawing &drawing, Back back = Back::Bitmap, int w = 20, int h = 20)
{
    QImage image = blank(w, h);
    if (back == Back::Bitmap) {
        BitmapCanvas canvas(image);
        canvas.brush().style = BrushStyle::Clear;
        drawing(canvas);
    } else {
        QPainter painter(&image);
        PainterCanvas canvas(painter, w, h);
        canvas.brush().style = BrushStyle::Clear;
        drawing(canvas);
    }
    return image;
}

// The pixels of the given colour, or all that are not white.
Pixels inked(const QImage &image, QRgb colour = 0)
{
    Pixels pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (colour ? p == colour : p != colour::white) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

bool touches(const Pixels &pixels, std::pair<int, int> p)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (pixels.count({p.first + dx, p.second + dy})) {
                return true;
            }
        }
    }
    return false;
}

// Every pixel of each set lies within one pixel of the other set.
bool withinAPixel(const Pixels &a, const Pixels &b)
{
    return std::all_of(a.begin(), a.end(), [&](auto p) { return touches(b, p); }) &&
           std::all_of(b.begin(), b.end(), [&](auto p) { return touches(a, p); });
}

QRect bounds(const Pixels &pixels)
{
    QRect r;
    for (auto [x, y] : pixels) {
        r |= QRect(x, y, 1, 1);
    }
    return r;
}

bool connected(const Pixels &pixels)
{
    Pixels seen;
    std::vector<std::pair<int, int>> todo{*pixels.begin()};
    while (!todo.empty()) {
        const auto p = todo.back();
        todo.pop_back();
        if (pixels.count(p) && seen.insert(p).second) {
            for (int d = 0; d < 9; ++d) {
                todo.push_back({p.first + d % 3 - 1, p.second + d / 3 - 1});
            }
        }
    }
    return seen.size() == pixels.size();
}

// The picture as text, a string a row: '#' for ink, '.' for white.
QStringList rows(const QImage &image)
{
    QStringList text;
    for (int y = 0; y < image.height(); ++y) {
        text << QString();
        for (int x = 0; x < image.width(); ++x) {
            text.back() += image.pixel(x, y) == colour::white ? '.' : '#';
        }
    }
    return text;
}

Drawing circleArc(QPoint start, QPoint end) // radius 8 around (10, 10)
{
    return [=](Canvas &c) { c.arc(2, 2, 19, 19, start.x(), start.y(), end.x(), end.y()); };
}

void fillOnly(Canvas &c)
{
    c.pen().style = PenStyle::Clear;
    c.brush() = {colour::red, BrushStyle::Solid};
}

} // namespace

class TestCanvas : public QObject {
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QPoint>("to");
        for (QPoint e : {QPoint(17, 13), QPoint(13, 17), QPoint(7, 17), QPoint(3, 13), QPoint(3, 7),
                         QPoint(7, 3), QPoint(13, 3), QPoint(17, 7), QPoint(18, 10), QPoint(10, 2),
                         QPoint(11, 10), QPoint(10, 10)}) {
            QTest::addRow("to %d,%d", e.x(), e.y()) << e;
        }
    }
    void lines() // all from (10, 10)
    {
        QFETCH(QPoint, to);
        const auto line = [&](Canvas &c) {
            c.moveTo(10, 10);
            c.lineTo(to.x(), to.y());
            QCOMPARE(c.position(), to);
        };
        const Pixels pixels = inked(draw(line));
        const QPoint d = to - QPoint(10, 10);
        const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
        QCOMPARE(int(pixels.size()), steps); // the end pixel is left out
        for (auto [x, y] : pixels) {         // none more than half a pixel off the true line
            QVERIFY(std::abs((x - 10) * d.y() - (y - 10) * d.x()) * 2 <= steps);
        }
        if (steps > 0) {
            QVERIFY(pixels.count({10, 10}) && connected(pixels));
        }
        QVERIFY(withinAPixel(inked(draw(line, Back::Painter)), pixels));
    }

    void penStyles_data()
    {
        QTest::addColumn<PenStyle>("style");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected"); // line from (1, 10) to (17, 10)
        QTest::newRow("solid") << PenStyle::Solid << 1 << ".################...";
        QTest::newRow("dotted") << PenStyle::Dot << 1 << ".#.#.#.#.#.#.#.#....";
        QTest::newRow("dashed") << PenStyle::Dash << 1 << ".######..######.....";
        QTest::newRow("invisible") << PenStyle::Clear << 1 << "....................";
        QTest::newRow("2 wide") << PenStyle::Solid << 2 << ".#################..";
        QTest::newRow("3 wide") << PenStyle::Solid << 3 << "##################..";
        QTest::newRow("4 wide") << PenStyle::Solid << 4 << "###################.";
        QTest::newRow("wide dotted is solid") << PenStyle::Dot << 3 << "##################..";
        QTest::newRow("wide invisible") << PenStyle::Clear << 3 << "....................";
    }
    void penStyles()
    {
        QFETCH(PenStyle, style);
        QFETCH(int, width);
        QFETCH(QString, expected);
        const QImage image = draw([&](Canvas &c) {
            c.pen() = {colour::black, width, style};
            c.moveTo(1, 10);
            c.lineTo(17, 10);
        });
        QCOMPARE(rows(image)[10], expected);
        const QStringList all = rows(image);
        const auto inkedRows =
            std::count_if(all.begin(), all.end(), [](auto r) { return r.contains('#'); });
        QCOMPARE(int(inkedRows), style == PenStyle::Clear ? 0 : width);
    }

    // A wide pen inks exactly its squares centred on the pixels of the thin line, also where
    // the line leaves the picture.
    void wideLinesAreSquaresAlongTheThinLine_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QLine>("line");
        for (int width : {2, 3, 4, 5, 9}) {
            for (QLine line : {QLine(10, 10, 17, 13), QLine(10, 10, 13, 17), QLine(10, 10, 3, 15),
                               QLine(10, 10, 5, 2), QLine(10, 10, 16, 10), QLine(10, 10, 10, 3),
                               QLine(4, 4, 8, 8), QLine(15, 4, 11, 8), QLine(-6, 14, 25, 3),
                               QLine(12, -9, 3, 28), QLine(-8, -8, 27, 27), QLine(18, -1, 2, -1)}) {
                QTest::addRow("%d wide, %d,%d to %d,%d", width, line.x1(), line.y1(), line.x2(),
                              line.y2())
                    << width << line;
            }
        }
    }
    void wideLinesAreSquaresAlongTheThinLine()
    {
        QFETCH(int, width);
        QFETCH(QLine, line);
        const QPoint margin(10, 10);
        const Pixels centres = inked(draw(
            [&](Canvas &c) {
                c.moveTo(line.x1() + margin.x(), line.y1() + margin.y());
                c.lineTo(line.x2() + margin.x(), line.y2() + margin.y());
            },
            Back::Bitmap, 40, 40));
        Pixels squares;
        for (auto [cx, cy] : centres) {
            for (int y = cy - (width - 1) / 2; y <= cy + width / 2; ++y) {
                for (int x = cx - (width - 1) / 2; x <= cx + width / 2; ++x) {
                    if (QRect(margin, QSize(20, 20)).contains(x, y)) {
                        squares.insert({x - margin.x(), y - margin.y()});
                    }
                }
            }
        }
        const Pixels wide = inked(draw([&](Canvas &c) {
            c.pen().width = width;
            c.moveTo(line.x1(), line.y1());
            c.lineTo(line.x2(), line.y2());
        }));
        QVERIFY(!squares.empty());
        QVERIFY(wide == squares);
    }

    void patternRunsOnAlongAPolyline()
    {
        const QImage image = draw([](Canvas &c) {
            c.pen().style = PenStyle::Dot;
            c.moveTo(0, 5);
            for (int x = 1; x <= 12; ++x) {
                c.lineTo(x, 5);
            }
        });
        QCOMPARE(rows(image)[5], QString("#.#.#.#.#.#........."));
    }

    void rectangles_data()
    {
        QTest::addColumn<PenStyle>("pen");
        QTest::addColumn<BrushStyle>("brush");
        QTest::newRow("outline and fill") << PenStyle::Solid << BrushStyle::Solid;
        QTest::newRow("outline only") << PenStyle::Solid << BrushStyle::Clear;
        QTest::newRow("fill only") << PenStyle::Clear << BrushStyle::Solid;
        QTest::newRow("nothing") << PenStyle::Clear << BrushStyle::Clear;
    }
    void rectangles()
    {
        QFETCH(PenStyle, pen);
        QFETCH(BrushStyle, brush);
        const QRect area(QPoint(3, 4), QPoint(11, 9)); // right and bottom edges left out
        for (Back back : {Back::Bitmap, Back::Painter}) {
            const QImage image = draw(
                [&](Canvas &c) {
                    c.pen().style = pen;
                    c.brush() = {colour::red, brush};
                    c.rectangle(3, 4, 12, 10);
                },
                back);
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 20; ++x) {
                    const bool border = !area.adjusted(1, 1, -1, -1).contains(x, y);
                    QRgb want = !area.contains(x, y)               ? colour::white
                                : border && pen == PenStyle::Solid ? colour::black
                                : brush == BrushStyle::Solid       ? colour::red
                                                                   : colour::white;
                    QCOMPARE(image.pixel(x, y), want);
                }
            }
        }
    }

    void degenerateRectangles()
    {
        const Pixels one{{4, 4}};
        QCOMPARE(inked(draw([](Canvas &c) { c.rectangle(4, 4, 5, 5); })), one);
        QVERIFY(inked(draw([](Canvas &c) { c.rectangle(4, 4, 4, 9); })).empty());
        QCOMPARE(inked(draw([](Canvas &c) { c.rectangle(12, 10, 3, 4); })),
                 inked(draw([](Canvas &c) { c.rectangle(3, 4, 12, 10); })));
    }

    void ellipses_data()
    {
        QTest::addColumn<QRect>("box"); // left, top, width, height
        QTest::newRow("odd circle") << QRect(3, 3, 13, 13);
        QTest::newRow("even circle") << QRect(3, 3, 14, 14);
        QTest::newRow("odd by even") << QRect(2, 5, 15, 8);
        QTest::newRow("even by odd") << QRect(5, 2, 6, 17);
        QTest::newRow("flat") << QRect(1, 8, 18, 3);
        QTest::newRow("short") << QRect(5, 8, 9, 4);
        QTest::newRow("one wide") << QRect(9, 2, 1, 9);
        QTest::newRow("two by two") << QRect(9, 9, 2, 2);
    }
    void ellipses()
    {
        QFETCH(QRect, box);
        const auto ellipse = [&](Canvas &c) {
            c.ellipse(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
        };
        const Pixels outline = inked(draw(ellipse));
        QCOMPARE(bounds(outline), box); // inside the box, touching all four sides
        QVERIFY(connected(outline));
        for (auto [x, y] : outline) {
            QVERIFY(outline.count({box.left() + box.right() - x, y}));
            QVERIFY(outline.count({x, box.top() + box.bottom() - y}));
        }
        QVERIFY(withinAPixel(inked(draw(ellipse, Back::Painter)), outline));
    }

    void smallEllipsesExactly()
    {
        QCOMPARE(rows(draw([](Canvas &c) { c.ellipse(0, 0, 5, 5); }, Back::Bitmap, 5, 5)),
                 QStringList({".###.", "#...#", "#...#", "#...#", ".###."}));
        QCOMPARE(rows(draw([](Canvas &c) { c.ellipse(0, 0, 6, 4); }, Back::Bitmap, 6, 4)),
                 QStringList({".####.", "#....#", "#....#", ".####."}));
    }

    void filledEllipse()
    {
        const QImage image = draw([](Canvas &c) {
            c.brush() = {colour::red, BrushStyle::Solid};
            c.ellipse(2, 2, 17, 17);
        });
        QCOMPARE(image.pixel(9, 9), colour::red);
        QCOMPARE(image.pixel(9, 2), colour::black);
        QCOMPARE(image.pixel(3, 3), colour::white);
    }

    void arcs_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QRect>("region"); // where all pixels must lie
        QTest::addColumn<QPoint>("mustHave");
        QTest::newRow("upper half")
            << QPoint(30, 10) << QPoint(-5, 10) << QRect(0, 0, 20, 11) << QPoint(10, 2);
        QTest::newRow("lower half")
            << QPoint(-5, 10) << QPoint(30, 10) << QRect(0, 10, 20, 10) << QPoint(10, 18);
        QTest::newRow("upper right quarter")
            << QPoint(20, 10) << QPoint(10, 0) << QRect(10, 0, 10, 11) << QPoint(16, 5);
        QTest::newRow("across 0 degrees")
            << QPoint(20, 20) << QPoint(20, 0) << QRect(15, 4, 5, 13) << QPoint(18, 10);
        QTest::newRow("three quarters")
            << QPoint(10, 0) << QPoint(20, 10) << QRect(0, 0, 20, 20) << QPoint(4, 15);
    }
    void arcs()
    {
        QFETCH(QPoint, start);
        QFETCH(QPoint, end);
        QFETCH(QRect, region);
        QFETCH(QPoint, mustHave);
        const Pixels arc = inked(draw(circleArc(start, end)));
        QVERIFY(region.contains(bounds(arc)));
        QVERIFY(arc.count({mustHave.x(), mustHave.y()}) && connected(arc));
        // The rest of the way round completes the circle, sharing only the end pixels.
        const Pixels rest = inked(draw(circleArc(end, start)));
        Pixels both = arc;
        both.insert(rest.begin(), rest.end());
        QCOMPARE(both, inked(draw([](Canvas &c) { c.ellipse(2, 2, 19, 19); })));
        QVERIFY(arc.size() + rest.size() <= both.size() + 2);
        QVERIFY(withinAPixel(inked(draw(circleArc(start, end), Back::Painter)), arc));
    }

    // An arc is the ellipse's outline, dots and all, cut to the pixels whose centres lie
    // counter-clockwise from the start ray up to the end ray, whatever the box and rays.
    void arcsAreTheOutlineBetweenTheirRays()
    {
        std::srand(7);
        const auto any = [](int lo, int hi) { return lo + std::rand() % (hi - lo + 1); };
        for (int round = 0; round < 1200; ++round) {
            int l = any(-30, 40), t = any(-30, 40);
            int r = l + any(2, 70), b = t + any(2, 70);
            QPoint s(any(-40, 100), any(-40, 100)), e(any(-40, 100), any(-40, 100));
            if (round >= 800) {
                // half circles and quarters whose rays run along or just off the centre row
                // and column, as wavelets' do
                const QPoint centre((l + r) / 2, (t + b) / 2);
                const QPoint ends[4] = {
                    {r, centre.y()}, {centre.x(), t}, {l, centre.y()}, {centre.x(), b}};
                s = ends[any(0, 3)] + QPoint(any(-1, 1), any(-1, 1));
                e = ends[any(0, 3)] + QPoint(any(-1, 1), any(-1, 1));
            } else if (round >= 400) {
                // short arcs of large circles, whose walks keep to the box round the arc
                const int d = any(4, 160);
                r = l + d;
                b = t + d;
                const QPoint centre((l + r) / 2, (t + b) / 2);
                const double from = any(0, 359) * std::numbers::pi / 180;
                const double to = from + any(1, 40) * std::numbers::pi / 180;
                s = centre + QPoint(int(400 * std::cos(from)), -int(400 * std::sin(from)));
                e = centre + QPoint(int(400 * std::cos(to)), -int(400 * std::sin(to)));
            }
            const PenStyle style = round % 2 ? PenStyle::Dot : PenStyle::Solid;
            const auto drawn = [&](bool whole) {
                return inked(draw(
                    [&](Canvas &c) {
                        c.pen().style = style;
                        whole ? c.ellipse(l, t, r, b)
                              : c.arc(l, t, r, b, s.x(), s.y(), e.x(), e.y());
                    },
                    Back::Bitmap, 60, 60));
            };
            // directions in half pixels, pointing right and up from the centre
            const auto dir = [&](int x2, int y2) {
                return std::pair<long, long>(x2 - (l + r - 1), (t + b - 1) - y2);
            };
            const auto cross = [](auto p, auto q) {
                return p.first * q.second - p.second * q.first;
            };
            const auto ds = dir(2 * s.x(), 2 * s.y()), de = dir(2 * e.x(), 2 * e.y());
            const bool full = cross(ds, de) == 0 && ds.first * de.first + ds.second * de.second > 0;
            const bool wide = cross(ds, de) <= 0;
            Pixels expected;
            for (auto [x, y] : drawn(true)) {
                const auto p = dir(2 * x, 2 * y);
                const bool a = cross(ds, p) >= 0, z = cross(p, de) >= 0;
                if (full || (wide ? a || z : a && z)) {
                    expected.insert({x, y});
                }
            }
            if (drawn(false) != expected) {
                QFAIL(qPrintable(QString("arc(%1, %2, %3, %4, %5, %6, %7, %8)")
                                     .arg(l)
                                     .arg(t)
                                     .arg(r)
                                     .arg(b)
                                     .arg(s.x())
                                     .arg(s.y())
                                     .arg(e.x())
                                     .arg(e.y())));
            }
        }
    }

    void halfCircleEndsOnTheCentreRow()
    {
        const QStringList upper = rows(draw(circleArc({19, 10}, {1, 10})));
        QCOMPARE(upper[10], QString("..#...............#."));
        for (int y = 11; y < 20; ++y) {
            QCOMPARE(upper[y], QString(20, '.'));
        }
    }

    void arcWithCoincidingRaysIsTheWholeEllipse()
    {
        QCOMPARE(inked(draw([](Canvas &c) { c.arc(1, 3, 18, 16, 5, 0, 5, 0); })),
                 inked(draw([](Canvas &c) { c.ellipse(1, 3, 18, 16); })));
    }

    void dottedCircleHasGaps()
    {
        const auto circle = [](PenStyle style) {
            return inked(draw([&](Canvas &c) {
                c.pen().style = style;
                c.ellipse(2, 2, 19, 19);
            }));
        };
        const Pixels solid = circle(PenStyle::Solid);
        const Pixels dotted = circle(PenStyle::Dot);
        QVERIFY(std::includes(solid.begin(), solid.end(), dotted.begin(), dotted.end()));
        QVERIFY(dotted.size() * 3 > solid.size() && dotted.size() * 3 < solid.size() * 2);
    }

    void polygons()
    {
        const QImage triangle = draw([](Canvas &c) {
            c.brush() = {colour::red, BrushStyle::Solid};
            const QPoint points[] = {{2, 2}, {17, 2}, {2, 17}};
            c.polygon(points);
        });
        QCOMPARE(triangle.pixel(5, 5), colour::red);
        QCOMPARE(triangle.pixel(14, 14), colour::white);
        for (QPoint p : {QPoint(2, 2), QPoint(17, 2), QPoint(2, 17), QPoint(9, 10)}) {
            QCOMPARE(triangle.pixel(p), colour::black); // the outline runs through the corners
        }
        const QImage notch = draw([](Canvas &c) { // a U: the notch stays empty
            fillOnly(c);
            const QPoint points[] = {{2, 2},  {8, 2},  {8, 12},  {12, 12},
                                     {12, 2}, {18, 2}, {18, 18}, {2, 18}};
            c.polygon(points);
        });
        QCOMPARE(notch.pixel(10, 5), colour::white);
        for (QPoint p : {QPoint(5, 5), QPoint(15, 5), QPoint(10, 15)}) {
            QCOMPARE(notch.pixel(p), colour::red);
        }
    }

    void polygonFillsPixelCentresInside()
    {
        const QStringList fill = rows(draw([](Canvas &c) {
            fillOnly(c);
            const QPoint points[] = {{0, 0}, {7, 0}, {0, 14}};
            c.polygon(points);
        }));
        for (int y = 0; y < 20; ++y) {
            const int inside = y < 14 ? int(std::ceil(7 - y / 2.0)) : 0;
            QCOMPARE(fill[y], QString(inside, '#') + QString(20 - inside, '.'));
        }
        QCOMPARE(inked(draw([](Canvas &c) {
                     fillOnly(c);
                     const QPoint points[] = {{3, 4}, {12, 4}, {12, 10}, {3, 10}};
                     c.polygon(points);
                 })),
                 inked(draw([](Canvas &c) {
                     fillOnly(c);
                     c.rectangle(3, 4, 12, 10);
                 })));
    }

    // Drawing into a small image gives the pixels of a large one seen through a window.
    void clipping_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QPoint>("window");
        const char *names[] = {"line", "rectangle", "ellipse", "arc", "polygon", "wide line"};
        for (int shape = 0; shape < 6; ++shape) {
            for (QPoint w : {QPoint(-8, 20), QPoint(50, 20), QPoint(20, -8), QPoint(20, 50),
                             QPoint(-8, -8), QPoint(50, 50)}) {
                QTest::addRow("%s at %d,%d", names[shape], w.x(), w.y()) << shape << w;
            }
        }
    }
    void clipping()
    {
        QFETCH(int, shape);
        QFETCH(QPoint, window);
        const auto picture = [&](QPoint o) {
            return [=](Canvas &c) {
                c.pen().width = shape == 5 ? 3 : 1;
                c.brush() = {colour::red, BrushStyle::Solid};
                const QPoint points[] = {QPoint(-5, 40) - o, QPoint(35, 10) - o,
                                         QPoint(70, 65) - o};
                const QRect box = QRect(4, 9, 62, 53).translated(-o);
                if (shape == 0 || shape == 5) {
                    c.moveTo(5 - o.x(), 50 - o.y());
                    c.lineTo(62 - o.x(), 12 - o.y());
                } else if (shape == 1) {
                    c.rectangle(box.left(), box.top(), box.right(), box.bottom());
                } else if (shape == 2) {
                    c.ellipse(box.left(), box.top(), box.right(), box.bottom());
                } else if (shape == 3) {
                    c.arc(box.left(), box.top(), box.right(), box.bottom(), 60 - o.x(), 60 - o.y(),
                          60 - o.x(), 10 - o.y());
                } else {
                    c.polygon(points);
                }
            };
        };
        const QPoint margin(30, 30);
        const QImage whole = draw(picture(-margin), Back::Bitmap, 130, 130);
        QCOMPARE(draw(picture(window)), whole.copy(QRect(window + margin, QSize(20, 20))));
    }

    void farOutside()
    {
        const QImage image = draw([](Canvas &c) {
            c.moveTo(-1000000, -1000000);
            c.lineTo(1000000, 1000000);
            c.pen().width = 4;
            c.moveTo(1000000, -1000000);
            c.lineTo(-1000000, 1000000);
            c.pen().width = 1;
            c.rectangle(-1000000, -1000000, 1000000, 1000000);
            c.ellipse(-1000000, 5, 1000000, 1000000);
            const QPoint points[] = {{-1000000, 0}, {1000000, 0}, {0, 1000000}};
            c.polygon(points);
        });
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(image.pixel(i, i), colour::black);
        }
        // A huge circle whose top passes through the image: one straight row there.
        const QImage top = draw([](Canvas &c) { c.ellipse(-1999990, 10, 2000011, 4000011); });
        QCOMPARE(rows(top)[10], QString(20, '#'));
        QCOMPARE(int(inked(top).size()), 20);
        // Near the tip of a very flat ellipse the outline is found, not walked to.
        QElapsedTimer timer;
        timer.start();
        const QImage tip = draw([](Canvas &c) { c.ellipse(-10, 9, 2000000000, 12); });
        QVERIFY(timer.elapsed() < 500);
        QCOMPARE(bounds(inked(tip)).left(), 0);
        QCOMPARE(bounds(inked(tip)).right(), 19);
        QVERIFY(QRect(0, 9, 20, 3).contains(bounds(inked(tip))));
        QCOMPARE(rows(tip)[9], rows(tip)[11]);
    }

    void culling()
    {
        // A circle round the whole image and one far away leave no pixel behind...
        QVERIFY(inked(draw([](Canvas &c) { c.ellipse(-300, -300, 320, 320); })).empty());
        QVERIFY(inked(draw([](Canvas &c) { c.arc(-300, -300, 320, 320, 0, 0, 0, 0); })).empty());
        QVERIFY(inked(draw([](Canvas &c) { c.ellipse(500, 500, 600, 620); })).empty());
        // ...but the brush still fills what the outline encloses.
        const QImage filled = draw([](Canvas &c) {
            c.brush() = {colour::red, BrushStyle::Solid};
            c.ellipse(-300, -300, 320, 320);
        });
        QCOMPARE(int(inked(filled, colour::red).size()), 400);
    }

    void copies()
    {
        QImage source = blank(10, 10);
        source.fill(0xff00ffffu);
        source.setPixel(0, 0, 0xff123456u);
        QImage image = blank(20, 20);
        image.fill(0xffffff00u);
        BitmapCanvas canvas(image);
        canvas.copyFrom(source, QRect(0, 0, 4, 4), QPoint(2, 3), CopyMode::Plain);
        QCOMPARE(image.pixel(2, 3), 0xff123456u);
        QCOMPARE(image.pixel(5, 6), 0xff00ffffu);
        QCOMPARE(image.pixel(6, 6), 0xffffff00u);
        canvas.copyFrom(source, QRect(0, 0, 10, 10), QPoint(15, 15), CopyMode::And);
        QCOMPARE(image.pixel(19, 19), 0xff00ff00u);
        QCOMPARE(image.pixel(15, 15), 0xff123400u);
        QCOMPARE(image.pixel(14, 14), 0xffffff00u);
        // Copying a picture onto itself reads the pixels as they were.
        const QImage before = image;
        canvas.copyFrom(image, QRect(0, 0, 8, 8), QPoint(1, 1), CopyMode::Plain);
        QCOMPARE(image.copy(1, 1, 8, 8), before.copy(0, 0, 8, 8));
        // Through QPainter too.
        const QImage painted = draw(
            [&](Canvas &c) {
                c.copyFrom(image, image.rect(), QPoint(0, 0), CopyMode::Plain);
                c.copyFrom(source, source.rect(), QPoint(15, 15), CopyMode::And);
            },
            Back::Painter);
        QCOMPARE(painted.pixel(16, 16), 0xff00ff00u);
        QCOMPARE(painted.pixel(14, 14), 0xffffff00u);
    }

    void text()
    {
        const auto hello = [](Canvas &c) {
            c.pen().colour = colour::red;
            c.font().setPixelSize(12);
            c.textOut(20, 10, "HH");
        };
        const Pixels bitmap = inked(draw(hello, Back::Bitmap, 60, 40));
        QVERIFY(bitmap.size() > 10);
        QCOMPARE(inked(draw(hello, Back::Bitmap, 60, 40), colour::red), bitmap); // no blending
        QVERIFY(QRect(19, 9, 30, 16).contains(bounds(bitmap)));
        const QImage painted = draw(hello, Back::Painter, 60, 40);
        for (auto [x, y] : inked(painted)) { // shades of the pen colour
            QVERIFY(qRed(painted.pixel(x, y)) == 255 && qGreen(painted.pixel(x, y)) < 255);
        }
        QVERIFY(withinAPixel(inked(painted), bitmap));
    }

    void stretch()
    {
        QImage picture(2, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, colour::red);
        picture.setPixel(1, 0, colour::green);
        const QImage image = draw([&](Canvas &c) { c.stretchImage(picture, {4, 4, 10, 6}); });
        QCOMPARE(image.pixel(5, 8), colour::red);
        QCOMPARE(image.pixel(12, 5), colour::green);
        QCOMPARE(image.pixel(15, 5), colour::white);
    }
};

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
