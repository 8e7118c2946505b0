// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/leapfrog_kernel.h"
#include "simulation/water_set_up.h"

#include <QPointF>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wave {

// Read-only rows of the visible grid.
struct FieldView {
    const float *data = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    float at(int x, int y) const { return data[y * stride + x]; }
};

// The scalar wave equation u_tt = c^2 (u_xx + u_yy) on a grid of one cell a pixel: leapfrog
// in time, fourth-order differences in space, a speed per cell, hard walls that reflect
// without a change of sign (the slope across a wall face is zero) and a perfectly matched
// layer of layerCells cells round the visible grid that swallows what leaves it. Every
// field is one contiguous array of floats. A tick goes two steps at a time, the second a few
// rows behind the first.
class WaveSolver {
public:
    static constexpr int layerCells = sideCells;
    // How many rows the first of two fused steps goes ahead at a time.
    static constexpr int pairRows = 16;

    WaveSolver();
    ~WaveSolver();
    WaveSolver(const WaveSolver &) = delete;
    WaveSolver &operator=(const WaveSolver &) = delete;

    // Takes a new set-up and carries on from the water as it is, unless the grid's size
    // changes, which starts from still water; walls go still. Refuses, keeping the old
    // set-up, and says why when the set-up would not run.
    QString apply(const WaterSetUp &setUp);
    // Still water at time 0, the average cleared.
    void reset();
    // Takes over the other solver's set-up and water as they are: a copy that runs on
    // beside the original.
    void copyStateFrom(const WaveSolver &other);

    void step();
    void tick();         // the set-up's steps for one tick
    double time() const; // ticks since the water was still
    long steps() const { return steps_; }
    int stepsPerTick() const { return stepsPerTick_; }

    int width() const { return width_; }
    int height() const { return height_; }
    FieldView displacement() const;

    // The running mean of the squared displacement over the steps since it was cleared, kept
    // for visible rows first to last - 1 alone (none when last <= first) and 0 elsewhere:
    // other rows start it afresh.
    void averageRows(int first, int last);
    void clearAverage();
    double intensityAt(int x, int y) const;
    // Values at samples points evenly spaced from one point to the other, both included,
    // read between cells by bilinear weights.
    std::vector<double> intensityAlong(QPointF from, QPointF to, int samples) const;
    std::vector<double> displacementAlong(QPointF from, QPointF to, int samples) const;

    // The leapfrog's conserved discrete energy between the last two steps: kinetic from
    // their difference, each cell weighted by 1 / c^2, and potential from their product
    // through the Laplacian. Constant while no source drives and nothing is absorbed.
    double energy() const;

private:
    // The water a step starts from, the water before it, which the step overwrites, and
    // the time at its start.
    struct Fields {
        const float *now = nullptr;
        float *then = nullptr;
        double time = 0.0;
    };
    struct Driven;
    struct Correction;

    // Which directions the layer damps along a stretch of a row.
    enum class Damping { both, rows };

    std::size_t cell(int x, int y) const; // visible coordinates
    // Rows y0 to y1 of a step: the water, then the layer's faces, which need the row below
    // stepped first.
    void advanceRows(const Fields &f, int y0, int y1);
    void finishRows(const Fields &f, int y0, int y1);
    void stepTwice();
    // Runs run(x0, x1, y0, y1, damping) over the blocks of the layer over and under the
    // visible grid in rows y0 to y1, and across(y) for each row of the visible grid among
    // them, with the layer beside it.
    template <typename Run, typename Across>
    void layerBlocks(int y0, int y1, Run run, Across across) const;
    void layerBlock(const Fields &f, int x0, int x1, int y0, int y1, Damping damping);
    void faceBlock(const Fields &f, int x0, int x1, int y0, int y1, Damping damping);
    void driveRows(const Fields &f, int y0, int y1);
    void allocate(int width, int height);
    void buildCorrections(const std::vector<std::uint8_t> &walls); // the set-up's grid
    void buildLayer(double courant, bool absorbing);
    void buildRuns();
    void buildSources(const WaterSetUp &setUp);

    int width_ = 0, height_ = 0;
    int nx_ = 0, ny_ = 0;
    int stepsPerTick_ = 1;
    long steps_ = 0;
    double time_ = 0.0;
    int averageFirst_ = 0, averageLast_ = 0;
    long averaged_ = 0;

    std::vector<float> fieldA_, fieldB_;
    float *now_ = nullptr;           // the water now
    float *then_ = nullptr;          // a step ago; the next step is written over it
    std::vector<float> k12_;         // squared Courant number / 12; zero in walls and the margin
    std::vector<float> psiX_, psiY_; // the layer's auxiliary fields on the cell faces
    std::vector<float> openRight_, openDown_; // 1 where water lies on both sides of a face
    std::vector<float> sigmaX_, sigmaXFace_, sigmaY_, sigmaYFace_;
    std::vector<float> faceKeepX_, faceGainX_, faceKeepY_, faceGainY_;
    // Each column's and row's coefficients where only it damps, and ones for the rest.
    std::vector<float> columnGain_, columnKeep_, rowGain_, rowKeep_;
    std::vector<float> columnFaceGain_, rowFaceGain_, ones_;
    // Each visible row's stretches of open water of one speed, the rows' in turn from
    // rowRuns_[y] on.
    std::vector<OpenRun> runs_;
    std::vector<int> rowRuns_;
    std::vector<Correction> corrections_;
    std::vector<Driven> driven_;
    std::vector<float> squares_; // sums of u^2 over the averaged rows
};

} // namespace wave
