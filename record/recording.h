// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/animation.h"
#include "platform/safe_file.h"

#include <QString>

#include <functional>

namespace wave {

// The longest recording, in frames: a minute at the shortest interval.
constexpr int mostRecordedFrames = 3000;
constexpr int shortestRecordInterval = 20;
constexpr int longestRecordInterval = 2000;
constexpr int mostRecordedSeconds = 60;

// What the user asks of a recording: one loop, or a number of seconds, at an interval in
// milliseconds.
struct RecordChoice {
    bool onePeriod = true;
    int seconds = 5;
    int interval = 200;
};

// The interval a recording offers first: the animation's own to the nearest 10 ms (the GIF's
// hundredths), halves up, within the intervals a recording takes.
int recordInterval(int animationInterval);

// Whether one loop can be recorded: the picture comes back, in at most mostRecordedFrames.
bool periodRecordable(const Animation &animation);

// The frames a recording takes: the loop's, or the seconds at the interval to the nearest
// frame, at least one.
int recordedFrames(const Animation &animation, const RecordChoice &choice);

// A name ending in .gif, in any letter case, is an animated GIF; any other names a new
// folder for numbered PNG frames.
bool recordsGif(const QString &path);

struct RecordOutcome {
    WriteOutcome write;
    bool cancelled = false;
    bool ok() const { return write.ok() && !cancelled; }
};

// Draws `frames` frames of the animation one at a time and writes them, as a GIF that loops
// for ever with delays of the interval, or as frame-001.png, frame-002.png, ... in a new
// folder. `advance(done)` is told after each frame and cancels when it returns false.
// Cancelling, a failed write or a folder that cannot be made leave nothing behind: the GIF
// replaces its file only when whole, and the frames go into a hidden folder beside the
// target that takes the target's name only when every frame is written, and is removed
// otherwise.
RecordOutcome record(const QString &path, const Animation &animation, int frames, int interval,
                     const std::function<bool(int done)> &advance);

// Why a recording failed, and that nothing was saved.
QString recordFailureText(const QString &path, const WriteOutcome &outcome);

} // namespace wave
