// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/vector_state.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define WAVE_X86 1
#include <immintrin.h>
#endif

namespace wave {

#ifdef WAVE_X86
namespace {

__attribute__((target("avx"))) void zeroUpperHalves()
{
    _mm256_zeroupper();
}

} // namespace
#endif

void releaseVectorRegisters()
{
#ifdef WAVE_X86
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) {
        zeroUpperHalves();
    }
#endif
}

} // namespace wave
