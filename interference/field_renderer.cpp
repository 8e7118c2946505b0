// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/field_renderer.h"

#include "platform/canvas.h"
#include "view/shared_state.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace wave {

std::array<int, 3> markerLefts(int n, int S)
{
    const int first = static_cast<int>(std::trunc(viewWidth / 2.0 - (n - 1) * S / 2.0));
    return {first, first + S, first + 2 * S};
}

int ringReach()
{
    return static_cast<int>(
        std::lround(std::sqrt(double(viewWidth) * viewWidth + double(viewHeight) * viewHeight)));
}

namespace {

void drawOverlays(Canvas &canvas, const FieldParams &params, const std::array<int, 3> &lefts)
{
    const int dx = params.measurePoint.x() - viewOffset;
    const int dy = params.measurePoint.y() - viewOffset;
    const int middle = (lefts[1] + lefts[0]) / 2;
    if (params.bisector) {
        const int xm = middle + 2 - viewOffset;
        const int ys = params.markerTop - viewOffset;
        canvas.moveTo(xm, ys + 5);
        canvas.lineTo(xm, 0);
        canvas.moveTo(xm, ys + 3);
        canvas.lineTo(dx + 2, dy + 2);
        canvas.lineTo(xm, dy + 2);
        // the right-angle mark sits on the measure point's side of the centre line
        const int side = middle > params.measurePoint.x() ? -10 : 10;
        canvas.brush().style = BrushStyle::Clear;
        canvas.rectangle(xm, dy + 2, xm + side, dy + 12);
        canvas.brush().style = BrushStyle::Solid;
    }
    if (params.distances) {
        const int sy = params.markerTop - viewOffset + 2;
        canvas.moveTo(lefts[1] - viewOffset + 2, sy);
        canvas.lineTo(dx + 2, dy + 2);
        canvas.moveTo(lefts[0] - viewOffset + 2, sy);
        canvas.lineTo(dx + 2, dy + 2);
    }
}

void drawRings(Canvas &canvas, const FieldParams &params, int cx, int P, int T)
{
    const int cy = params.markerTop - viewOffset + 3;
    const int ya = params.markerTop - viewOffset;
    const int reach = ringReach();
    // The rays toward the view's bottom corners give the upper half circle only while the
    // centre lies among the view's columns; beyond them both rays point to the same side.
    const bool inside = cx >= 0 && cx < viewWidth;
    for (int r = T % P + P; r <= reach; r += P) {
        // Beyond, the rays dip just under the level through the centre, by less than the
        // circle's pixels on row cy and more than those below it, so that the half ends on
        // the centre row at any radius.
        const int startX = inside ? viewWidth : cx + 3 * r / 2;
        const int endX = inside ? 0 : cx - 3 * r / 2 - 1;
        const int rayY = inside ? ya : cy + 1;
        const bool evenRing = (r / P) % 2 == 0;
        const bool solid = T < P ? evenRing : !evenRing;
        Pen &pen = canvas.pen();
        pen.style = solid ? PenStyle::Solid : PenStyle::Dot;
        pen.colour = params.colourWaves && !solid ? params.colours.trough : params.colours.ink;
        canvas.arc(cx - r, cy - r, cx + r, cy + r, startX, rayY, endX, rayY);
    }
}

} // namespace

void drawField(Canvas &canvas, const FieldParams &params)
{
    const std::array<int, 3> lefts = markerLefts(params.n, params.S);

    const Palette &colours = params.colours;
    canvas.pen() = Pen{colours.ground, 1, PenStyle::Clear};
    canvas.brush() = Brush{colours.ground, BrushStyle::Solid};
    canvas.rectangle(0, 0, viewWidth + 2, viewHeight);

    canvas.pen() = Pen{colours.ink, 1, PenStyle::Solid};
    canvas.brush() = Brush{colours.ink, BrushStyle::Solid};
    const int top = params.markerTop - viewOffset;
    for (int k = 0; k < params.n; ++k) {
        const int left = lefts[k] - viewOffset;
        canvas.ellipse(left, top, left + 5, top + 5);
    }

    canvas.pen().colour = colours.mark;
    drawOverlays(canvas, params, lefts);

    canvas.brush().style = BrushStyle::Clear;
    canvas.pen() = Pen{colours.ink, 1, PenStyle::Solid};
    for (int k = 0; k < params.n; ++k)
        drawRings(canvas, params, lefts[k] - viewOffset + 2, params.P[k], params.T[k]);
}

QString describeField(const FieldParams &params)
{
    static const char *const counts[] = {
        QT_TRANSLATE_NOOP("FieldRenderer", "One source"),
        QT_TRANSLATE_NOOP("FieldRenderer", "Two sources %1 pixels apart"),
        QT_TRANSLATE_NOOP("FieldRenderer", "Three sources %1 pixels apart")};
    const int n = std::clamp(params.n, 1, 3);
    QString text = QCoreApplication::translate("FieldRenderer", counts[n - 1]);
    if (n > 1)
        text = text.arg(params.S);
    QStringList wavelengths;
    for (int k = 0; k < n; ++k)
        wavelengths.append(QString::number(2 * params.P[static_cast<std::size_t>(k)]));
    wavelengths.removeDuplicates();
    if (wavelengths.size() == 1) {
        text += QCoreApplication::translate("FieldRenderer", ", wavelength %1")
                    .arg(wavelengths.first());
    } else {
        const QString last = wavelengths.takeLast();
        text += QCoreApplication::translate("FieldRenderer", ", wavelengths %1 and %2")
                    .arg(wavelengths.join(QStringLiteral(", ")), last);
    }
    text +=
        params.colourWaves
            ? QCoreApplication::translate("FieldRenderer", ", crests solid, troughs dotted in %1")
                  .arg(params.colours.troughName)
            : QCoreApplication::translate("FieldRenderer", ", crests solid, troughs dotted");
    if (params.bisector)
        text += QCoreApplication::translate("FieldRenderer", ", with the perpendicular bisector");
    if (params.distances)
        text += QCoreApplication::translate(
            "FieldRenderer", ", with the distances from the sources to the measure point");
    return text;
}

QString describeSourceSettings(int n, int phaseShift, const std::array<int, 3> &amplitudes)
{
    QString text;
    if (phaseShift != 0)
        text += QCoreApplication::translate("FieldRenderer", ", phase shift %1 degrees")
                    .arg(phaseShift);
    const int count = std::clamp(n, 1, 3);
    const auto shown = amplitudes.begin() + count;
    if (std::all_of(amplitudes.begin(), shown, [](int a) { return a == 10; }))
        return text;
    QStringList values;
    std::transform(amplitudes.begin(), shown, std::back_inserter(values),
                   [](int a) { return QString::number(a); });
    if (count == 1)
        return text +
               QCoreApplication::translate("FieldRenderer", ", amplitude %1").arg(values.first());
    const QString last = values.takeLast();
    return text + QCoreApplication::translate("FieldRenderer", ", amplitudes %1 and %2")
                      .arg(values.join(QStringLiteral(", ")), last);
}

} // namespace wave
