// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace wave {

// The inner loops of a time step, each along n cells of a row whose neighbours lie stride
// apart, written so that the compiler turns them into vector instructions; each is built
// for AVX-512 and AVX2 as well as the plain instruction set and the processor picks.

// In open water u is the water now, old the water a step ago, which the step overwrites with
// the water a step on, and k12 each cell's squared Courant number over 12. The fourth-order
// Laplacian reaches two cells each way.

// The perfectly matched layer's cells: the open water's step with the layer's damping sigmaX (one
// value a column, starting at the segment's first cell) and sigmaY (the row's), and the
// divergence of its auxiliary fields psiX and psiY, kept on the cells' right and lower faces.
struct LayerRow {
    const float *u;
    float *old;
    const float *k12;
    const float *psiX;
    const float *psiY;
    const float *sigmaX;
    float sigmaY;
};
void layerSegment(const LayerRow &row, std::ptrdiff_t stride, int n);

// The auxiliary fields' step on the faces, from the water a step on (next): each face keeps
// keep x psi and gains gain x (the other direction's damping - its own) x the difference
// across it. A face with a wall or the margin on either side holds nothing: its open value
// is 0 there and 1 elsewhere.
struct FaceRow {
    const float *next;
    const float *openRight;
    const float *openDown;
    float *psiX;
    float *psiY;
    const float *keepX; // a value a column for the right faces
    const float *gainX;
    const float *sigmaXFace;
    const float *sigmaX;
    float keepY; // the row's lower faces
    float gainY;
    float sigmaYFace;
    float sigmaY;
};
void faceSegment(const FaceRow &row, std::ptrdiff_t stride, int n);

// How deep the absorbing layer reaches out from the visible grid, in cells.
constexpr int sideCells = 32;

// Where the layer damps in one direction only (over and under the visible grid only down
// the rows, beside it only across the columns), the steps need no division and fewer
// fields. The rows kernels step n cells of each of a block of rows, stride apart, from the
// block's first cell, with coefficients a value a row. The across kernels step one whole
// row of the visible grid from the layer's first cell: sideCells layer cells, width cells
// of open water (whose faces hold nothing) and sideCells layer cells, with coefficients a
// value a column.
struct OneWayRow {
    const float *u;
    float *old;
    const float *k12;
    const float *psiX;
    const float *psiY;
    const float *gain; // 1 / (1 + sigma / 2)
    const float *keep; // (1 - sigma / 2) / (1 + sigma / 2)
};
void oneWayLayerRows(const OneWayRow &row, std::ptrdiff_t stride, int n, int rows);
// The open water between is stepped by runs of cells of one speed, from and to counted from
// the first visible cell; the cells outside them are walls, which stay still.
struct OpenRun {
    int from;
    int to;
    float k12;
};
void layerRowAcross(const OneWayRow &row, std::ptrdiff_t stride, int width, const OpenRun *runs,
                    int count);

// The faces' step there: psiX keeps keepX x psiX and gains gainX x the difference across
// the face, and psiY likewise.
struct OneWayFaces {
    const float *next;
    const float *openRight;
    const float *openDown;
    float *psiX;
    float *psiY;
    const float *keepX;
    const float *gainX;
    const float *keepY;
    const float *gainY;
};
void oneWayFacesRows(const OneWayFaces &row, std::ptrdiff_t stride, int n, int rows);
void facesRowAcross(const OneWayFaces &row, std::ptrdiff_t stride, int width);

// The fourth-order Laplacian at one cell, for a grid spacing of one.
inline float fourthOrderLaplacian(const float *u, std::ptrdiff_t stride)
{
    const float nearSum = u[-1] + u[1] + u[-stride] + u[stride];
    const float farSum = u[-2] + u[2] + u[-2 * stride] + u[2 * stride];
    return (16.0f * nearSum - farSum - 60.0f * u[0]) / 12.0f;
}

} // namespace wave
