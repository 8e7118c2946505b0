// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/product.h"

#include <QPoint>
#include <QRect>
#include <QString>

namespace wave {

struct SharedState;

// What the pointer reads from the window at each event. A product without some of these
// controls leaves them unchecked.
struct PointerControls {
    Product product = Product::Interference;
    bool crosshair = false;  // the wave view shows the crosshair cursor of a measuring mode
    bool copySelect = false; // "Enable Copy Select" is checked
    bool dcb = false;        // " Distance" on the "Huygens' Principle" page
    bool meacb = false;      // " &Measure" on the "Wavefront Interactions" page
    bool frontanal = false;  // " Length" chosen
    bool waveanal = false;   // " Angle" chosen
    bool acb = false;        // " Measure Angle" of the single slit
    bool movecb = false;     // the wavefront animation is on
    int activeHuygensPage = 0;
};

// The measuring labels the pointer writes, each on its own product's page.
enum class MeasureLabel { analis2, Analis, anlb };

// The window side of the pointer: each product's window implements it.
class PointerHost {
public:
    virtual ~PointerHost() = default;

    virtual PointerControls controls() const = 0;

    // Interference product: moves the measure point for a press at the view point (X, Y)
    // and writes the Measurements page.
    virtual void placeMeasurePoint(int X, int Y) = 0;

    // The scenes' redraws.
    virtual void drawinter() = 0;
    virtual void lrbt() = 0;
    virtual void refractbttry() = 0;
    virtual void opening() = 0;

    virtual void setCaption(MeasureLabel label, const QString &text) = 0;

    // The copy-selection frame, in view coordinates. It is shown at the press with zero
    // size and follows the drag; finishing copies it to the clipboard and hides it.
    virtual void showSelection(const QRect &frame) = 0;
    virtual bool selectionShown() const = 0;
    virtual void finishSelection() = 0;
};

// A length as the labels show it: one decimal, halves rounded up.
QString lengthText(double d);

// The direction d from a towards b as the instruments draw it: a - r (cos d, sin d) lies on
// the ray from a through b, with y growing downwards. b = a gives 3 pi / 2.
double directionAngle(QPoint a, QPoint b);

// Press, move and release on the wave view at the view point (X, Y), whatever the button.
namespace pointer {
void press(PointerHost &host, SharedState &state, int X, int Y);
void move(PointerHost &host, SharedState &state, int X, int Y);
void release(PointerHost &host, SharedState &state, int X, int Y);
} // namespace pointer

} // namespace wave
