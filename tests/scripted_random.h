// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/random.h"

#include <deque>
#include <utility>

namespace wave {

// Hands out the numbers it was given, in order, then zeros.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<double> numbers = {}) : next(std::move(numbers)) {}

    std::deque<double> next;

    double uniform() override
    {
        if (next.empty())
            return 0.0;
        const double value = next.front();
        next.pop_front();
        return value;
    }
};

} // namespace wave
