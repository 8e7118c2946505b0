// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"
#include "simulation/wave_solver.h"

#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace wave {

// The simulated water under the wave view: the solver the scenes describe their sources,
// barriers and speeds to, and how its colour map and their construction make one picture.
// Off, it neither runs nor draws and the pictures stay as the construction alone. With two
// threads a tick's steps and the colours they give run on the second while the caller draws
// the construction, and whatever reads the water next waits for them.
class SimulatedWater {
public:
    explicit SimulatedWater(int threads = 2);
    ~SimulatedWater();
    SimulatedWater(const SimulatedWater &) = delete;
    SimulatedWater &operator=(const SimulatedWater &) = delete;
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
    double time() const;
    // Valid until the next tick starts.
    const WaveSolver &solver() const;

    // The scene's water at the water's time now, which the scene lays over the picture it
    // has just drawn on the palette's ground: the water goes on from how it is when the
    // scene's settings change. Nothing happens while the water is off.
    using Scene = std::function<WaterSetUp(double now)>;
    void show(const Scene &scene, QImage &picture, const Palette &colours);
    // Lays the water under the construction drawn in picture: with the construction shown,
    // its every pixel of the ground colour takes the water's colour; without, all of them.
    void compose(QImage &picture, const Palette &colours);

    // The water along view row y, a value a column: its displacement now, and the running
    // mean of its square since its set-up last changed or since the first row asked for,
    // relative to the row's largest.
    struct Row {
        std::vector<double> displacement, intensity;
    };
    Row row(int y);

private:
    // The crest and trough colours of a picture of the water.
    struct Shades {
        QRgb crest = 0, trough = 0;
        bool operator==(const Shades &) const = default;
    };
    class Beside;

    void settle() const; // waits for a tick on the second thread to end
    bool follow(const WaterSetUp &setUp);
    void advance(); // a tick and the water's colours after it, in the shades last shown
    void shade(Shades shades);

    WaveSolver solver_;
    bool on_ = false;
    bool construction_ = true;
    std::optional<WaterSetUp> applied_;
    std::optional<Shades> shown_;  // what the water was last shown in
    std::optional<Shades> shaded_; // what shades_ holds the water now in, when it does
    QImage shades_;
    std::unique_ptr<Beside> beside_;
};

// Displacement drawn as a full crest or trough colour.
constexpr float waterColourScale = 1.0f;

} // namespace wave
