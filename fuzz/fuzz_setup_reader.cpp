// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the set-up file reader: any bytes are read without a crash, a hang or a
// leak, and a set-up that reads is written and read back as the same set-up.
#include "platform/setup_file.h"

#include <cstddef>
#include <cstdint>

using namespace wave;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const SetupRead read = parseSetup(bytes);
    if (read.setup.has_value() == !read.error.isEmpty())
        __builtin_trap();
    if (read.setup) {
        const SetupRead again = parseSetup(setupBytes(*read.setup));
        if (!again.setup || !(*again.setup == *read.setup))
            __builtin_trap();
    }
    return 0;
}
