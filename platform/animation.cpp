// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/animation.h"

#include <unordered_map>
#include <utility>

namespace wave {

Loop findLoop(int start, const std::function<int(int)> &next)
{
    std::unordered_map<int, int> seen;
    int state = start;
    for (int tick = 0;; ++tick) {
        const auto [at, fresh] = seen.emplace(state, tick);
        if (!fresh)
            return {at->second, tick - at->second};
        state = next(state);
    }
}

Animation steppedAnimation(QSize size, int interval, int start, std::function<int(int)> next,
                           std::function<void(Canvas &, int state)> draw)
{
    const Loop loop = findLoop(start, next);
    for (int tick = 0; tick < loop.lead; ++tick)
        start = next(start);
    Animation animation;
    animation.size = size;
    animation.interval = interval;
    animation.period = loop.period;
    animation.drawFrame = [start, state = start, next = std::move(next),
                           draw = std::move(draw)](Canvas &canvas, int k) mutable {
        state = k == 0 ? start : next(state);
        draw(canvas, state);
    };
    return animation;
}

} // namespace wave
