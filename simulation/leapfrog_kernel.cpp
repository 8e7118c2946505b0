// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/leapfrog_kernel.h"

namespace wave {

__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default"))) void leapfrogSegment(const float *__restrict u,
                                                                       float *__restrict old,
                                                                       const float *__restrict k12,
                                                                       std::ptrdiff_t stride, int n)
{
    const std::ptrdiff_t s = stride;
    const std::ptrdiff_t s2 = 2 * stride;
    for (int i = 0; i < n; ++i) {
        const float nearSum = u[i - 1] + u[i + 1] + u[i - s] + u[i + s];
        const float farSum = u[i - 2] + u[i + 2] + u[i - s2] + u[i + s2];
        old[i] = 2.0f * u[i] - old[i] + k12[i] * (16.0f * nearSum - farSum - 60.0f * u[i]);
    }
}

__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default"))) void layerSegment(const LayerRow &row,
                                                                    std::ptrdiff_t stride, int n)
{
    const float *__restrict u = row.u;
    float *__restrict old = row.old;
    const float *__restrict k12 = row.k12;
    const float *__restrict psiX = row.psiX;
    const float *__restrict psiY = row.psiY;
    const float *__restrict sigmaX = row.sigmaX;
    const float sy = row.sigmaY;
    const std::ptrdiff_t s = stride;
    const std::ptrdiff_t s2 = 2 * stride;
    for (int i = 0; i < n; ++i) {
        const float nearSum = u[i - 1] + u[i + 1] + u[i - s] + u[i + s];
        const float farSum = u[i - 2] + u[i + 2] + u[i - s2] + u[i + s2];
        const float divergence = psiX[i] - psiX[i - 1] + psiY[i] - psiY[i - s];
        const float sigma = sigmaX[i] + sy;
        // u_tt + sigma u_t + sx sy u = c^2 (Laplacian + div psi), centred in time.
        old[i] = (2.0f * u[i] - (1.0f - 0.5f * sigma) * old[i] - sigmaX[i] * sy * u[i] +
                  k12[i] * (16.0f * nearSum - farSum - 60.0f * u[i] + 12.0f * divergence)) /
                 (1.0f + 0.5f * sigma);
    }
}

__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default"))) void faceSegment(const FaceRow &row,
                                                                   std::ptrdiff_t stride, int n)
{
    const float *__restrict next = row.next;
    const float *__restrict openRight = row.openRight;
    const float *__restrict openDown = row.openDown;
    float *__restrict psiX = row.psiX;
    float *__restrict psiY = row.psiY;
    const float *__restrict keepX = row.keepX;
    const float *__restrict gainX = row.gainX;
    const float *__restrict sigmaXFace = row.sigmaXFace;
    const float *__restrict sigmaX = row.sigmaX;
    const float keepY = row.keepY, gainY = row.gainY;
    const float sigmaY = row.sigmaY, sigmaYFace = row.sigmaYFace;
    for (int i = 0; i < n; ++i)
        psiX[i] = openRight[i] * (keepX[i] * psiX[i] +
                                  gainX[i] * (sigmaY - sigmaXFace[i]) * (next[i + 1] - next[i]));
    for (int i = 0; i < n; ++i)
        psiY[i] = openDown[i] * (keepY * psiY[i] +
                                 gainY * (sigmaX[i] - sigmaYFace) * (next[i + stride] - next[i]));
}

} // namespace wave
