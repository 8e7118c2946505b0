// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"
#include "simulation/wave_solver.h"

#include <QImage>

#include <functional>
#include <optional>
#include <vector>

namespace wave {

// The simulated water under the wave view: the solver the scenes describe their sources,
// barriers and speeds to, and how its colour map and their construction make one picture.
// Off, it neither runs nor draws and the pictures stay as the construction alone.
class SimulatedWater {
public:
    explicit SimulatedWater(int threads = 2);
    // Takes over the other water's state as it is, keeping its own threads.
    void copyFrom(const SimulatedWater &other);

    bool on() const { return on_; }
    // Switching it on or off starts from still water.
    void setOn(bool on);
    bool constructionShown() const { return construction_; }
    void setConstructionShown(bool shown) { construction_ = shown; }

    // Still water, as at the start.
    void reset();
    // One animation tick of the water, when it is on.
    void tick();
    double time() const { return solver_.time(); }
    const WaveSolver &solver() const { return solver_; }

    // The scene's water at the water's time now, which the scene lays over the picture it
    // has just drawn on the palette's ground: the water goes on from how it is when the
    // scene's settings change. Nothing happens while the water is off.
    using Scene = std::function<WaterSetUp(double now)>;
    void show(const Scene &scene, QImage &picture, const Palette &colours);
    // Lays the water under the construction drawn in picture: with the construction shown,
    // its every pixel of the ground colour takes the water's colour; without, all of them.
    void compose(QImage &picture, const Palette &colours) const;

    // The water along view row y, a value a column: its displacement now, and the running
    // mean of its square since its set-up last changed or since the first row asked for,
    // relative to the row's largest.
    struct Row {
        std::vector<double> displacement, intensity;
    };
    Row row(int y);

private:
    bool follow(const WaterSetUp &setUp);

    WaveSolver solver_;
    bool on_ = false;
    bool construction_ = true;
    std::optional<WaterSetUp> applied_;
};

// Displacement drawn as a full crest or trough colour.
constexpr float waterColourScale = 1.0f;

} // namespace wave
