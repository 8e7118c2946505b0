// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"

#include <QPoint>

#include <array>

namespace wave {

class Canvas;
class SimulatedWater;

// The wave view's bitmap and where it sits inside its navy frame.
constexpr int viewWidth = 709;
constexpr int viewHeight = 349;
constexpr int viewOffset = 14; // a frame point (px, py) is the view point (px - 14, py - 14)

// Columns of the intensity band cleared by the parameter handlers: the view's width and a
// margin of five.
constexpr int bandClearColumns = viewWidth + 5;

// State of the main window that no control holds; one instance, owned by the main window.
struct SharedState {
    int clickPhase = 0;       // releases on the wave view, counted modulo 3
    bool pointerHeld = false; // a measuring drag, or the factor list setting the separation
    std::array<double, 800> bandsum{};
    double bandpeak = 0.0;
    Canvas *wavecanvas = nullptr;        // where the node path draws
    SimulatedWater *simulated = nullptr; // the water under the wave view, the main window's
    Palette colours{};                   // of every picture the products draw

    // The pointer's measurements on the wave view, in view coordinates.
    bool selecting = false;  // a copy selection is being dragged
    QPoint anchorPoint;      // A: first point of a length or angle; a selection's corner
    QPoint movingPoint;      // B: second point of an angle; a selection's press point
    QPoint rulerEnd;         // E: second point of a length
    double rulerAngle = 0.0; // direction from A towards E, radians

    void clearBand(int columns = bandClearColumns)
    {
        for (int i = 0; i < columns; ++i)
            bandsum[static_cast<std::size_t>(i)] = 0.0;
    }
};

} // namespace wave
