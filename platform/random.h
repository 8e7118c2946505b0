// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRandomGenerator>

namespace wave {

// Where the practice tasks take their chance from, so that tests can script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // uniform in [0, 1)
    virtual double uniform() = 0;
};

// The program's source, seeded from the clock when it is made.
class QtRandom : public RandomSource {
public:
    QtRandom();
    double uniform() override;

private:
    QRandomGenerator generator_;
};

} // namespace wave
