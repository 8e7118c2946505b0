// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/pointer.h"

#include "platform/language.h"

#include "view/shared_state.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace wave {

QString lengthText(double d)
{
    const int whole = static_cast<int>(std::trunc(d + 0.05));
    const int tenths = static_cast<int>(std::trunc((d + 0.05) * 10)) % 10;
    return QString::number(whole) + QLocale().decimalPoint() + QString::number(tenths);
}

namespace {

using std::numbers::pi;

bool lengthMode(const PointerControls &c)
{
    return c.product == Product::Huygens && (c.dcb || (c.frontanal && c.meacb));
}

bool angleMode(const PointerControls &c)
{
    return (c.meacb && c.waveanal) || c.acb;
}

// After an angle step: the slit scene, or the wavefront scene unless its animation is
// redrawing it anyway.
void redrawAngle(PointerHost &host, const PointerControls &c)
{
    if (c.product == Product::SingleSlit)
        host.opening();
    else if (!c.movecb)
        host.refractbttry();
}

void measureLength(PointerHost &host, SharedState &state, const PointerControls &c, QPoint p)
{
    if (state.clickPhase == 0) {
        state.anchorPoint = p;
        state.rulerEnd = p + QPoint(20, 0);
    } else if (state.clickPhase == 1) {
        state.rulerEnd = p;
    }
    state.movingPoint = state.anchorPoint;
    state.rulerAngle = directionAngle(state.anchorPoint, state.rulerEnd);
    if (c.activeHuygensPage == 0)
        host.lrbt();
    else
        host.refractbttry();
    const QPoint d = state.anchorPoint - state.rulerEnd;
    const QString text = lengthText(std::sqrt(double(d.x()) * d.x() + double(d.y()) * d.y()));
    host.setCaption(MeasureLabel::Analis,
                    QCoreApplication::translate("Pointer", "Length = %1").arg(text));
    host.setCaption(MeasureLabel::analis2,
                    QCoreApplication::translate("Pointer", "Distance: %1").arg(text));
}

void measureAngle(PointerHost &host, SharedState &state, const PointerControls &c, QPoint p)
{
    if (state.clickPhase == 0) {
        state.anchorPoint = p;
        state.movingPoint = p;
    } else if (state.clickPhase == 1) {
        state.movingPoint = p;
    }
    redrawAngle(host, c);
    const QPoint a = state.anchorPoint;
    const QPoint b = state.movingPoint;
    // the angle between AB and the horizontal, 0 to 90
    const double angle =
        a.x() == b.x() ? 90.0
                       : std::abs(std::atan(double(a.y() - b.y()) / (a.x() - b.x()))) * 180.0 / pi;
    if (c.product == Product::SingleSlit)
        host.setCaption(MeasureLabel::anlb, QCoreApplication::translate("Pointer", "Angle is %1°")
                                                .arg(shownNumber(90.0 - angle, 1), 3));
    else
        host.setCaption(
            MeasureLabel::Analis,
            QCoreApplication::translate("Pointer", "Angle = %1°").arg(shownNumber(angle, 1), 3));
}

} // namespace

double directionAngle(QPoint a, QPoint b)
{
    if (a.x() == b.x())
        return b.y() < a.y() ? pi / 2 : 3 * pi / 2;
    const double angle = std::atan(double(a.y() - b.y()) / (a.x() - b.x()));
    return a.x() < b.x() ? angle + pi : angle;
}

namespace pointer {

void press(PointerHost &host, SharedState &state, int X, int Y)
{
    const PointerControls c = host.controls();
    const QPoint p(X, Y);
    if (c.copySelect && !c.crosshair) {
        state.selecting = true;
        state.anchorPoint = p;
        state.movingPoint = p;
        host.showSelection(QRect(p, QSize(0, 0)));
    } else if (c.crosshair) {
        state.pointerHeld = true;
        if (c.product == Product::Interference) {
            host.placeMeasurePoint(X, Y);
            host.drawinter();
        } else if (state.clickPhase == 0) {
            state.anchorPoint = p;
            state.movingPoint = p;
        }
    }
}

void move(PointerHost &host, SharedState &state, int X, int Y)
{
    const PointerControls c = host.controls();
    const QPoint p(X, Y);
    if (state.selecting && !c.crosshair) {
        // the press point stays in B, the corner under the pointer goes to A
        state.anchorPoint = p;
        const QPoint start = state.movingPoint;
        host.showSelection(QRect(std::min(X, start.x()), std::min(Y, start.y()),
                                 std::abs(X - start.x()), std::abs(Y - start.y())));
    } else if (c.crosshair && lengthMode(c)) {
        measureLength(host, state, c, p);
    } else if (c.crosshair && angleMode(c)) {
        measureAngle(host, state, c, p);
    }
}

void release(PointerHost &host, SharedState &state, int X, int Y)
{
    const PointerControls c = host.controls();
    state.selecting = false;
    if (host.selectionShown())
        host.finishSelection();
    state.clickPhase = (state.clickPhase + 1) % 3;
    // the interference product keeps pointerHeld after its press
    if (c.product == Product::Interference || !c.crosshair)
        return;
    if (c.waveanal) {
        // releases fix A, then B; the one after B fixes a new A and goes straight on to B
        if (state.clickPhase == 1) {
            state.anchorPoint = QPoint(X, Y);
            if (c.product == Product::SingleSlit)
                host.opening();
        } else if (state.clickPhase == 2) {
            state.movingPoint = QPoint(X, Y);
            redrawAngle(host, c);
        } else {
            state.anchorPoint = QPoint(X, Y);
            state.clickPhase = 1;
            redrawAngle(host, c);
        }
    }
    state.pointerHeld = false;
}

} // namespace pointer

} // namespace wave
