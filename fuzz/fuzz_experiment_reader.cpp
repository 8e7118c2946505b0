// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the experiment file reader, the program's one parser of outside data.
#include "slit/experiment_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace wave;

namespace {

// The same bytes fed in pieces of uneven, growing sizes, as a file arrives from the disk.
ReadOutcome readInPieces(std::string_view bytes)
{
    ExperimentReader reader;
    std::size_t piece = 1;
    while (!bytes.empty()) {
        const std::size_t taken = std::min(piece, bytes.size());
        reader.feed(bytes.substr(0, taken));
        bytes.remove_prefix(taken);
        piece = piece * 3 % 97 + 1;
    }
    return reader.finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    ExperimentReader whole;
    whole.feed(bytes);
    const ReadOutcome once = whole.finish();
    const ReadOutcome pieces = readInPieces(bytes);
    // Where the pieces are cut must not change what is read.
    if (once.status != pieces.status ||
        (once.status == ReadStatus::Loaded && !(once.record == pieces.record)))
        __builtin_trap();
    return 0;
}
