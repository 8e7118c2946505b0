// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace wave {

// Qt's raster drawing can return with the upper halves of the wide vector registers still in
// use. Until something clears them, the processor makes every plain SSE instruction wait on
// them, and floating-point loops of ours run about four times slower. Call this before such a
// loop; it costs a cycle, and does nothing on a processor without AVX.
void releaseVectorRegisters();

} // namespace wave
