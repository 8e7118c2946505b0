// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

#include <functional>

namespace wave {

class Canvas;

// A moving picture as a recording takes it: frames drawn off the screen one after another,
// from a copy of the animation's state, so the view goes on as it was.
struct Animation {
    QSize size;
    // The animation's own time between two ticks, in milliseconds.
    int interval = 100;
    // Frames of one seamless loop: the frame after the last is the first again. 0 when the
    // picture never comes back exactly.
    int period = 0;
    // Draws frame k onto a surface of `size`; k runs 0, 1, 2, ... in order, frame 0 being the
    // picture the view shows (or the loop's first when that one is never shown again) and each
    // next frame one tick on.
    std::function<void(Canvas &, int k)> drawFrame;
    // What a recording should know of the loop beyond its length; mostly empty.
    QString note;
    // The frames gain colours that frame 0 may lack as they go (the simulated water's shades
    // spreading from still water).
    bool coloursGrow = false;
};

// Where a state stepped by `next` runs into its loop: the ticks from `start` to the loop's
// first state and the loop's length. The states must be few.
struct Loop {
    int lead = 0;
    int period = 0;
};
Loop findLoop(int start, const std::function<int(int)> &next);

// An animation whose picture follows from one number stepped by `next` at every tick: its
// frames are `draw(canvas, state)` from the first state of the loop that `start` runs into.
Animation steppedAnimation(QSize size, int interval, int start, std::function<int(int)> next,
                           std::function<void(Canvas &, int state)> draw);

} // namespace wave
